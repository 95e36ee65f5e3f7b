#pragma once
// Turning the bytes of a word list into text, and the letters a word may hold.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorleta {

// UTF-16 with either byte-order mark, UTF-8 with or without mark, otherwise
// Windows-1252. The result is UTF-8 and never contains the mark.
std::string TextoDeBytes(std::string_view ABytes);

// Well-formed UTF-8 from AInicio to the end (lead bytes C2..F4, continuation
// bytes 10xxxxxx, no sequence cut short).
bool Utf8Valido(std::string_view ABytes, std::size_t AInicio);

// One of the 40 accepted capitals: 'A'..'Z' and À Á Â Ã Ç È É Ê Í Ó Ô Õ Ú Ü.
bool LetraAceite(char32_t AChar);

// The board form: every accepted accented capital replaced by its plain letter.
std::string NormalizarLetras(std::string_view ATexto);

// Splits at CR LF, CR or LF; a final line break adds no empty line.
std::vector<std::string> DividirLinhas(std::string_view ATexto);

} // namespace vorleta
