#include "core/texto.hpp"

namespace vorleta {

std::string Aparar(std::string_view ATexto) {
    std::size_t inicio = 0, fim = ATexto.size();
    while (inicio < fim && static_cast<unsigned char>(ATexto[inicio]) <= 0x20) ++inicio;
    while (fim > inicio && static_cast<unsigned char>(ATexto[fim - 1]) <= 0x20) --fim;
    return std::string(ATexto.substr(inicio, fim - inicio));
}

std::vector<char32_t> PontosDeCodigo(std::string_view ATexto) {
    std::vector<char32_t> pontos;
    pontos.reserve(ATexto.size());
    std::size_t i = 0;
    while (i < ATexto.size()) {
        const auto b = static_cast<unsigned char>(ATexto[i]);
        int extra;
        char32_t ponto;
        if (b < 0x80) { extra = 0; ponto = b; }
        else if (b >= 0xC2 && b <= 0xDF) { extra = 1; ponto = b & 0x1F; }
        else if (b >= 0xE0 && b <= 0xEF) { extra = 2; ponto = b & 0x0F; }
        else if (b >= 0xF0 && b <= 0xF4) { extra = 3; ponto = b & 0x07; }
        else { pontos.push_back(0xFFFD); ++i; continue; }
        bool valido = i + static_cast<std::size_t>(extra) < ATexto.size();
        if (valido && extra >= 2) {
            // No overlong forms, no encoded surrogates, nothing beyond U+10FFFF.
            const auto c = static_cast<unsigned char>(ATexto[i + 1]);
            if ((b == 0xE0 && c < 0xA0) || (b == 0xED && c >= 0xA0) || (b == 0xF0 && c < 0x90) || (b == 0xF4 && c >= 0x90))
                valido = false;
        }
        for (int k = 1; valido && k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(ATexto[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80) valido = false;
            else ponto = (ponto << 6) | (c & 0x3F);
        }
        if (!valido) { pontos.push_back(0xFFFD); ++i; continue; }
        pontos.push_back(ponto);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return pontos;
}

void AcrescentarUtf8(std::string& ADestino, char32_t APonto) {
    if (APonto < 0x80) {
        ADestino += static_cast<char>(APonto);
    } else if (APonto < 0x800) {
        ADestino += static_cast<char>(0xC0 | (APonto >> 6));
        ADestino += static_cast<char>(0x80 | (APonto & 0x3F));
    } else if (APonto < 0x10000) {
        ADestino += static_cast<char>(0xE0 | (APonto >> 12));
        ADestino += static_cast<char>(0x80 | ((APonto >> 6) & 0x3F));
        ADestino += static_cast<char>(0x80 | (APonto & 0x3F));
    } else {
        ADestino += static_cast<char>(0xF0 | (APonto >> 18));
        ADestino += static_cast<char>(0x80 | ((APonto >> 12) & 0x3F));
        ADestino += static_cast<char>(0x80 | ((APonto >> 6) & 0x3F));
        ADestino += static_cast<char>(0x80 | (APonto & 0x3F));
    }
}

std::string Utf8Seguro(std::string_view ATexto) {
    std::string saida;
    saida.reserve(ATexto.size());
    for (const char32_t p : PontosDeCodigo(ATexto)) AcrescentarUtf8(saida, p);
    return saida;
}

int UnidadesUtf16(std::string_view ATexto) {
    int n = 0;
    for (const char32_t p : PontosDeCodigo(ATexto)) n += p > 0xFFFF ? 2 : 1;
    return n;
}

std::vector<std::string> Dividir(std::string_view ATexto, std::string_view ASeparador) {
    std::vector<std::string> partes;
    std::size_t inicio = 0;
    while (true) {
        const auto pos = ATexto.find(ASeparador, inicio);
        if (pos == std::string_view::npos) {
            partes.emplace_back(ATexto.substr(inicio));
            return partes;
        }
        partes.emplace_back(ATexto.substr(inicio, pos - inicio));
        inicio = pos + ASeparador.size();
    }
}

} // namespace vorleta

namespace vorleta {

char32_t Maiuscula(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if (c < 0xE0) return c;
    if (c <= 0xFE) return c == 0xF7 ? c : c - 32;
    if (c == 0xFF) return 0x178;
    if (c < 0x100 || c > 0x17E) return c;
    if (c == 0x131 || c == 0x138 || c == 0x149) return c;
    const bool paresImparesMinusculas =
        (c <= 0x137) || (c >= 0x14A && c <= 0x177);
    if (paresImparesMinusculas) return (c & 1u) ? c - 1 : c;
    // U+0139..U+0148 and U+0179..U+017E: odd upper, even lower.
    return (c & 1u) ? c : c - 1;
}

std::string EmMaiusculas(std::string_view ATexto) {
    std::string saida;
    saida.reserve(ATexto.size());
    for (const char32_t p : PontosDeCodigo(ATexto)) AcrescentarUtf8(saida, Maiuscula(p));
    return saida;
}

} // namespace vorleta
