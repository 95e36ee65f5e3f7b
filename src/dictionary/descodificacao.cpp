#include "dictionary/descodificacao.hpp"

#include "core/texto.hpp"

namespace vorleta {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes keep their code.
constexpr char32_t Cp1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string DeUtf16(std::string_view ABytes, bool AGrandeExtremidade) {
    std::string texto;
    texto.reserve(ABytes.size());
    const std::size_t n = ABytes.size() / 2; // an odd last byte is dropped
    auto unidade = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(ABytes[2 * i]);
        const auto b = static_cast<unsigned char>(ABytes[2 * i + 1]);
        return AGrandeExtremidade ? (char32_t(a) << 8 | b) : (char32_t(b) << 8 | a);
    };
    for (std::size_t i = 0; i < n; ++i) {
        char32_t u = unidade(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n) {
            const char32_t baixa = unidade(i + 1);
            if (baixa >= 0xDC00 && baixa <= 0xDFFF) {
                u = 0x10000 + ((u - 0xD800) << 10) + (baixa - 0xDC00);
                ++i;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) u = 0xFFFD; // an unpaired surrogate
        AcrescentarUtf8(texto, u);
    }
    return texto;
}

std::string DeCp1252(std::string_view ABytes) {
    std::string texto;
    texto.reserve(ABytes.size() + ABytes.size() / 4);
    for (const char c : ABytes) {
        const auto b = static_cast<unsigned char>(c);
        AcrescentarUtf8(texto, (b >= 0x80 && b <= 0x9F) ? Cp1252Alto[b - 0x80] : char32_t(b));
    }
    return texto;
}

} // namespace

bool Utf8Valido(std::string_view ABytes, std::size_t AInicio) {
    std::size_t i = AInicio;
    while (i < ABytes.size()) {
        const auto b = static_cast<unsigned char>(ABytes[i]);
        std::size_t extra;
        if (b <= 0x7F) extra = 0;
        else if (b >= 0xC2 && b <= 0xDF) extra = 1;
        else if (b >= 0xE0 && b <= 0xEF) extra = 2;
        else if (b >= 0xF0 && b <= 0xF4) extra = 3;
        else return false;
        if (i + extra >= ABytes.size() && extra > 0) return false; // cut short
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(ABytes[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

std::string TextoDeBytes(std::string_view ABytes) {
    if (ABytes.empty()) return {};
    if (ABytes.size() >= 2 && ABytes[0] == '\xFF' && ABytes[1] == '\xFE')
        return DeUtf16(ABytes.substr(2), false);
    if (ABytes.size() >= 2 && ABytes[0] == '\xFE' && ABytes[1] == '\xFF')
        return DeUtf16(ABytes.substr(2), true);
    const std::size_t inicio =
        (ABytes.size() >= 3 && ABytes.substr(0, 3) == "\xEF\xBB\xBF") ? 3 : 0;
    if (Utf8Valido(ABytes, inicio)) return std::string(ABytes.substr(inicio));
    return DeCp1252(ABytes.substr(inicio));
}

bool LetraAceite(char32_t AChar) {
    if (AChar >= U'A' && AChar <= U'Z') return true;
    switch (AChar) {
    case 0xC0: case 0xC1: case 0xC2: case 0xC3: case 0xC7: case 0xC8: case 0xC9:
    case 0xCA: case 0xCD: case 0xD3: case 0xD4: case 0xD5: case 0xDA: case 0xDC:
        return true;
    default:
        return false;
    }
}

std::string NormalizarLetras(std::string_view ATexto) {
    std::string saida;
    saida.reserve(ATexto.size());
    for (const char32_t p : PontosDeCodigo(ATexto)) {
        switch (p) {
        case 0xC0: case 0xC1: case 0xC2: case 0xC3: saida += 'A'; break;
        case 0xC7: saida += 'C'; break;
        case 0xC8: case 0xC9: case 0xCA: saida += 'E'; break;
        case 0xCD: saida += 'I'; break;
        case 0xD3: case 0xD4: case 0xD5: saida += 'O'; break;
        case 0xDA: case 0xDC: saida += 'U'; break;
        default: AcrescentarUtf8(saida, p);
        }
    }
    return saida;
}

std::vector<std::string> DividirLinhas(std::string_view ATexto) {
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < ATexto.size(); ++i) {
        if (ATexto[i] != '\r' && ATexto[i] != '\n') continue;
        linhas.emplace_back(ATexto.substr(inicio, i - inicio));
        if (ATexto[i] == '\r' && i + 1 < ATexto.size() && ATexto[i + 1] == '\n') ++i;
        inicio = i + 1;
    }
    if (inicio < ATexto.size()) linhas.emplace_back(ATexto.substr(inicio));
    return linhas;
}

} // namespace vorleta
