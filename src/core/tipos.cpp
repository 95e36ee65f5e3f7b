#include "core/tipos.hpp"

namespace vorleta {

int IndiceDoTamanho(int ALado) {
    for (std::size_t i = 0; i < TamanhosDoTabuleiro.size(); ++i)
        if (TamanhosDoTabuleiro[i] == ALado) return static_cast<int>(i);
    return -1;
}

bool TamanhoValido(int ALado) { return IndiceDoTamanho(ALado) >= 0; }

int TamanhoDoIndice(int AIndice) {
    if (AIndice < 0 || AIndice >= static_cast<int>(TamanhosDoTabuleiro.size()))
        throw EVorleta("TamanhoDoIndice: índice fora do intervalo");
    return TamanhosDoTabuleiro[static_cast<std::size_t>(AIndice)];
}

std::string RotuloDoTamanho(int ALado) {
    const std::string lado = std::to_string(ALado);
    return lado + " \u00D7 " + lado;
}

} // namespace vorleta
