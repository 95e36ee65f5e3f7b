#pragma once
// Small UTF-8 text helpers shared by the subsystems.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vorleta {

// Removes leading and trailing characters with codes up to U+0020.
std::string Aparar(std::string_view ATexto);

// Length in UTF-16 code units (a character beyond U+FFFF counts twice).
int UnidadesUtf16(std::string_view ATexto);

// Decodes UTF-8 into code points; a malformed byte becomes U+FFFD.
std::vector<char32_t> PontosDeCodigo(std::string_view ATexto);
void AcrescentarUtf8(std::string& ADestino, char32_t APonto);
// The text with every malformed sequence replaced by U+FFFD: always valid UTF-8.
std::string Utf8Seguro(std::string_view ATexto);

// printf-style formatting into a string.
template <typename... T>
std::string Formatar(const char* AFormato, T... AValores) {
    const int n = std::snprintf(nullptr, 0, AFormato, AValores...);
    std::string texto(static_cast<std::size_t>(n), '\0');
    std::snprintf(texto.data(), texto.size() + 1, AFormato, AValores...);
    return texto;
}

// Splits at every occurrence of ASeparador (which must not be empty).
std::vector<std::string> Dividir(std::string_view ATexto, std::string_view ASeparador);

} // namespace vorleta

namespace vorleta {

// Upper case of one character. Covers ASCII, Latin-1 and Latin Extended-A,
// which is every letter a Portuguese word list uses; characters whose upper
// case would be a plain ASCII letter of another character (dotless i, long s)
// are left as they are, so they never pass for an accepted letter.
char32_t Maiuscula(char32_t APonto);
std::string EmMaiusculas(std::string_view ATexto);

} // namespace vorleta
