#pragma once
// The seeded random generator: PCG32 (XSH-RR) seeded through SplitMix64.
// Every random choice of a book derives from one 32-bit seed, so two runs with
// the same seed draw the same numbers on any machine.

#include <cstdint>
#include <utility>
#include <vector>

namespace vorleta {

class TGeradorAleatorio {
public:
    explicit TGeradorAleatorio(std::uint32_t ASemente);

    void Iniciar(std::uint64_t AEstadoInicial, std::uint64_t ASequencia);
    std::uint32_t ProximoU32();
    int Limite(int ALimite);                       // 0 .. ALimite - 1
    std::uint64_t Limite64(std::uint64_t ALimite); // 0 .. ALimite - 1
    int Ponderado(const std::vector<std::int64_t>& APesos);
    int Entre(int AMin, int AMax);                 // AMin .. AMax, both included
    double Real01();                               // [0, 1), 53 random bits

    // Fisher-Yates from the end.
    template <typename T>
    void Baralhar(std::vector<T>& AValores) {
        for (int i = static_cast<int>(AValores.size()) - 1; i >= 1; --i) {
            const int j = Limite(i + 1);
            std::swap(AValores[static_cast<std::size_t>(i)], AValores[static_cast<std::size_t>(j)]);
        }
    }

    std::uint64_t Estado() const { return FEstado; }
    std::uint64_t Incremento() const { return FIncremento; }

private:
    std::uint64_t FEstado = 0;
    std::uint64_t FIncremento = 0;
};

std::uint64_t MisturarSemente(std::uint64_t AValor);
// A and B are taken as unsigned 32-bit values; the order matters.
std::uint32_t CombinarSementes(std::uint32_t A, std::uint32_t B);
std::uint32_t SementeDoRelogio();

} // namespace vorleta
