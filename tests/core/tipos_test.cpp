#include <gtest/gtest.h>

#include "core/tipos.hpp"

using namespace vorleta;

TEST(Tamanhos, IndiceEValidade) {
    EXPECT_EQ(IndiceDoTamanho(9), 0);
    EXPECT_EQ(IndiceDoTamanho(15), 3);
    EXPECT_EQ(IndiceDoTamanho(10), -1);
    EXPECT_EQ(IndiceDoTamanho(0), -1);
    EXPECT_TRUE(TamanhoValido(13));
    EXPECT_FALSE(TamanhoValido(7));
}

TEST(Tamanhos, TamanhoDoIndice) {
    EXPECT_EQ(TamanhoDoIndice(0), 9);
    EXPECT_EQ(TamanhoDoIndice(3), 15);
    for (int fora : {-1, 4}) {
        try {
            TamanhoDoIndice(fora);
            FAIL() << fora;
        } catch (const EVorleta& e) {
            EXPECT_STREQ(e.what(), "TamanhoDoIndice: índice fora do intervalo");
        }
    }
}

TEST(Tamanhos, Rotulo) {
    EXPECT_EQ(RotuloDoTamanho(11), "11 \u00D7 11");
    EXPECT_EQ(RotuloDoTamanho(7), "7 \u00D7 7");
}
