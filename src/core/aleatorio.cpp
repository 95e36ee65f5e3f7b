#include "core/aleatorio.hpp"

#include <chrono>
#include <limits>

#include "core/tipos.hpp"

namespace vorleta {

namespace {
constexpr std::uint64_t Multiplicador = 0x5851F42D4C957F2DULL;
constexpr std::uint64_t SequenciaPorOmissao = 54;
} // namespace

std::uint64_t MisturarSemente(std::uint64_t AValor) {
    std::uint64_t z = AValor + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint32_t CombinarSementes(std::uint32_t A, std::uint32_t B) {
    const std::uint64_t a = A;
    const std::uint64_t b = B;
    return static_cast<std::uint32_t>(MisturarSemente((a << 32) | b));
}

std::uint32_t SementeDoRelogio() {
    const auto t = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    return static_cast<std::uint32_t>(MisturarSemente(t ^ (t >> 32)));
}

TGeradorAleatorio::TGeradorAleatorio(std::uint32_t ASemente) {
    Iniciar(MisturarSemente(ASemente), SequenciaPorOmissao);
}

void TGeradorAleatorio::Iniciar(std::uint64_t AEstadoInicial, std::uint64_t ASequencia) {
    FEstado = 0;
    FIncremento = (ASequencia << 1) | 1u;
    ProximoU32();
    FEstado += AEstadoInicial;
    ProximoU32();
}

std::uint32_t TGeradorAleatorio::ProximoU32() {
    const std::uint64_t antigo = FEstado;
    FEstado = antigo * Multiplicador + FIncremento;
    const auto x = static_cast<std::uint32_t>(((antigo >> 18) ^ antigo) >> 27);
    const auto r = static_cast<unsigned>(antigo >> 59);
    return (x >> r) | (x << ((32u - r) & 31u));
}

int TGeradorAleatorio::Limite(int ALimite) {
    if (ALimite <= 0) throw EVorleta("TGeradorAleatorio.Limite: limite tem de ser positivo");
    const auto n = static_cast<std::uint32_t>(ALimite);
    const std::uint32_t limiar = (0u - n) % n; // (2^32 - n) mod n
    std::uint32_t v;
    do {
        v = ProximoU32();
    } while (v < limiar);
    return static_cast<int>(v % n);
}

std::uint64_t TGeradorAleatorio::Limite64(std::uint64_t ALimite) {
    if (ALimite == 0) throw EVorleta("TGeradorAleatorio.Limite64: limite tem de ser positivo");
    const std::uint64_t limiar = (0ULL - ALimite) % ALimite; // (2^64 - n) mod n
    std::uint64_t v;
    do {
        const std::uint64_t alto = ProximoU32();
        const std::uint64_t baixo = ProximoU32();
        v = (alto << 32) | baixo;
    } while (v < limiar);
    return v % ALimite;
}

int TGeradorAleatorio::Ponderado(const std::vector<std::int64_t>& APesos) {
    std::int64_t total = 0;
    for (const std::int64_t peso : APesos) {
        if (peso < 0) throw EVorleta("TGeradorAleatorio.Ponderado: peso negativo");
        if (peso > std::numeric_limits<std::int64_t>::max() - total)
            throw EVorleta("TGeradorAleatorio.Ponderado: soma dos pesos excede Int64");
        total += peso;
    }
    if (total == 0) throw EVorleta("TGeradorAleatorio.Ponderado: soma dos pesos e zero");
    const std::uint64_t v = Limite64(static_cast<std::uint64_t>(total));
    std::uint64_t soma = 0;
    for (std::size_t i = 0; i < APesos.size(); ++i) {
        soma += static_cast<std::uint64_t>(APesos[i]);
        if (soma > v) return static_cast<int>(i);
    }
    return static_cast<int>(APesos.size()) - 1; // not reached: v < total
}

int TGeradorAleatorio::Entre(int AMin, int AMax) {
    if (AMax < AMin) throw EVorleta("TGeradorAleatorio.Entre: maximo menor do que o minimo");
    // The width is computed in 32-bit integers: a range wider than the largest
    // Integer wraps to a value Limite refuses.
    const auto largura = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<std::int64_t>(AMax) - AMin + 1));
    return static_cast<int>(static_cast<std::int64_t>(AMin) + Limite(largura));
}

double TGeradorAleatorio::Real01() {
    const std::uint64_t a = ProximoU32() >> 5;
    const std::uint64_t b = ProximoU32() >> 6;
    return static_cast<double>(a * 67108864ULL + b) / 9007199254740992.0;
}

} // namespace vorleta
