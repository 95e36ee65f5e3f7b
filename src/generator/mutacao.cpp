#include "generator/mutacao.hpp"

#include "generator/qualidade.hpp"
#include "grid/grelha.hpp"
#include "grid/padroes.hpp"

namespace vorleta {

namespace {

TPadrao PartirDeUmaBase(const std::vector<TPadrao>& ABase, int ALado, TGeradorAleatorio& AGer) {
    const int i = AGer.Limite(static_cast<int>(ABase.size()));
    const int v = AGer.Limite(4);
    return TransformarPadrao(ABase[static_cast<std::size_t>(i)], ALado, v);
}

// A copy with cell c inverted and its half-turn partner given the same value.
TPadrao TrocaSimetrica(const TPadrao& APadrao, int c) {
    TPadrao copia = APadrao;
    const std::size_t casa = static_cast<std::size_t>(c);
    copia[casa] = copia[casa] ? 0 : 1;
    copia[copia.size() - 1 - casa] = copia[casa];
    return copia;
}

bool Admissivel(const TPadrao& APadrao, int ALado) {
    return ValidarPadrao(APadrao, ALado).empty() && AvaliarEquilibrio(APadrao, ALado).empty();
}

} // namespace

TPadrao MutarPadrao(const std::vector<TPadrao>& ABase, int ALado, const TOpcoesGerador& AOpc, TGeradorAleatorio& AGer) {
    TPadrao padrao = PartirDeUmaBase(ABase, ALado, AGer);
    const int n = ALado * ALado;
    const int centro = n / 2;

    int aceites = 0;
    for (int tentativas = 0; aceites < 20 && tentativas < 2000; ++tentativas) {
        const int c = AGer.Limite(n);
        if (c == centro) continue;
        TPadrao copia = TrocaSimetrica(padrao, c);
        if (Admissivel(copia, ALado)) {
            padrao = std::move(copia);
            ++aceites;
        }
    }

    double nota = PenalidadePadrao(padrao, ALado, AOpc);
    for (int k = 1; k <= 800; ++k) {
        if (nota == 0.0) break;
        const int c = AGer.Limite(n);
        if (c == centro) continue;
        TPadrao copia = TrocaSimetrica(padrao, c);
        if (!Admissivel(copia, ALado)) continue;
        const double novaNota = PenalidadePadrao(copia, ALado, AOpc);
        // A worse pattern is taken now and then, to leave local minima.
        if (novaNota <= nota || AGer.Limite(100) < 8) {
            padrao = std::move(copia);
            nota = novaNota;
        }
    }
    return padrao;
}

TPadrao GerarComLongas(const std::vector<TPadrao>& ABase, int ALado, int AMinLongas, int ACompMin,
                       TGeradorAleatorio& AGer) {
    TPadrao padrao = PartirDeUmaBase(ABase, ALado, AGer);
    const int n = ALado * ALado;
    if (ACompMin >= 11) {
        for (int k = 0; k < 600; ++k) {
            if (ContarLongas(padrao, ALado, ACompMin) >= AMinLongas) break;
            InserirLonga(padrao, ALado, ACompMin, AGer);
        }
    } else {
        for (int k = 0; k < 60; ++k) {
            if (ContarLongas(padrao, ALado, ACompMin) >= AMinLongas) break;
            const int c = AGer.Limite(n);
            const std::size_t casa = static_cast<std::size_t>(c), parceira = static_cast<std::size_t>(n - 1 - c);
            if (!padrao[casa]) continue;
            padrao[casa] = padrao[parceira] = 0;
            if (!ValidarPadrao(padrao, ALado).empty()) padrao[casa] = padrao[parceira] = 1;
        }
    }
    return padrao;
}

bool InserirLonga(TPadrao& APretas, int ALado, int AComprimento, TGeradorAleatorio& AGer) {
    const int r = std::min(AComprimento + AGer.Limite(2), ALado);
    const bool vertical = AGer.Limite(2) == 1;
    const int linha = AGer.Limite(ALado);
    const int inicio = AGer.Limite(ALado - r + 1);
    const int depois = ALado - r - inicio;
    const int n = ALado * ALado;
    auto casaDaPosicao = [&](int k) { return vertical ? k * ALado + linha : linha * ALado + k; };

    enum : std::uint8_t { SemMarca, Branca, Preta };
    std::vector<std::uint8_t> marcas(static_cast<std::size_t>(n), SemMarca);
    bool coerente = true;
    auto marcar = [&](int k, std::uint8_t marca) {
        const int casa = casaDaPosicao(k);
        for (const int c : {casa, n - 1 - casa}) {
            std::uint8_t& atual = marcas[static_cast<std::size_t>(c)];
            if (atual != SemMarca && atual != marca) coerente = false;
            atual = marca;
        }
    };

    for (int k = inicio; k < inicio + r; ++k) marcar(k, Branca);
    if (inicio > 0) {
        marcar(inicio - 1, Preta);
        if (inicio - 1 == 1 || inicio - 1 == 2)
            for (int k = 0; k <= inicio - 2; ++k) marcar(k, Preta);
    }
    if (depois > 0) {
        marcar(inicio + r, Preta);
        if (depois - 1 == 1 || depois - 1 == 2)
            for (int k = inicio + r + 1; k < ALado; ++k) marcar(k, Preta);
    }
    if (!coerente) return false;

    TPadrao copia = APretas;
    for (int c = 0; c < n; ++c) {
        const std::uint8_t marca = marcas[static_cast<std::size_t>(c)];
        if (marca == Branca) copia[static_cast<std::size_t>(c)] = 0;
        else if (marca == Preta) copia[static_cast<std::size_t>(c)] = 1;
    }
    if (!ValidarPadrao(copia, ALado).empty()) return false;
    APretas = std::move(copia);
    return true;
}

} // namespace vorleta
