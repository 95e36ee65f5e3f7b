#include <gtest/gtest.h>

#include "core/texto.hpp"

using namespace vorleta;

TEST(Texto, Aparar) {
    EXPECT_EQ(Aparar("  \t abc \r\n"), "abc");
    EXPECT_EQ(Aparar("\x01\x1f"), "");
    EXPECT_EQ(Aparar("\xC2\xA0x\xC2\xA0"), "\xC2\xA0x\xC2\xA0"); // a no-break space is not trimmed
}

TEST(Texto, UnidadesUtf16ContaParesSubstitutos) {
    EXPECT_EQ(UnidadesUtf16("abc"), 3);
    EXPECT_EQ(UnidadesUtf16("ÁÇÃ"), 3);
    EXPECT_EQ(UnidadesUtf16("\xF0\x9F\x98\x80"), 2); // an emoji: two code units
}

TEST(Texto, MaiusculasDasLetrasPortuguesas) {
    EXPECT_EQ(EmMaiusculas("água çãõ éêíóôúü àâè"), "ÁGUA ÇÃÕ ÉÊÍÓÔÚÜ ÀÂÈ");
    EXPECT_EQ(EmMaiusculas("ÿ ł ž"), "Ÿ Ł Ž");
    // Characters whose upper case would be a plain letter stay as they are.
    EXPECT_EQ(EmMaiusculas("ı ſ ß"), "ı ſ ß");
}

TEST(Texto, Dividir) {
    EXPECT_EQ(Dividir("a | b | c", " | "), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(Dividir("", "|"), (std::vector<std::string>{""}));
    EXPECT_EQ(Dividir("x|", "|"), (std::vector<std::string>{"x", ""}));
}

TEST(Texto, Utf8SeguroSubstituiSequenciasMalFormadas) {
    EXPECT_EQ(Utf8Seguro("água"), "água");
    EXPECT_EQ(Utf8Seguro("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(Utf8Seguro("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"); // an encoded surrogate
    EXPECT_EQ(Utf8Seguro("\xE0\x80\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"); // an overlong form
    EXPECT_EQ(Utf8Seguro("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");
}
