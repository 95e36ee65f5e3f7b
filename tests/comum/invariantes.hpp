#pragma once
// Checks shared by the tests: a finished puzzle keeps the invariants of its
// record, and the built-in dictionary loaded once per test program.

#include <gtest/gtest.h>

#include <set>

#include "core/recursos.hpp"
#include "core/tipos.hpp"
#include "dictionary/dicionario.hpp"
#include "grid/grelha.hpp"

namespace vorleta::teste {

inline const TDicionario& DicionarioEmbutido() {
    static const std::unique_ptr<TDicionario> dic = [] {
        TRelatorioDic rel;
        return CarregarDicionario(PastaDoPrograma(), rel);
    }();
    return *dic;
}

// Letters agree across crossings, every word is distinct and in the
// dictionary, the white cells are exactly the slots' cells.
inline void VerificarPuzzle(const TPuzzle& APuzzle, const TDicionario& ADic, bool AComPistas) {
    const int lado = APuzzle.Lado;
    ASSERT_EQ(APuzzle.Letras.size(), static_cast<std::size_t>(lado * lado));
    ASSERT_EQ(APuzzle.Palavras.size(), APuzzle.Ranhuras.size());
    TPadrao pretas(APuzzle.Letras.size());
    for (std::size_t i = 0; i < pretas.size(); ++i) pretas[i] = APuzzle.Letras[i] == '#';
    EXPECT_EQ(ExtrairRanhuras(pretas, lado), APuzzle.Ranhuras);
    std::vector<int> cobertas(APuzzle.Letras.size(), 0);
    std::set<std::string> vistas;
    for (std::size_t s = 0; s < APuzzle.Ranhuras.size(); ++s) {
        const TRanhura& r = APuzzle.Ranhuras[s];
        const TPalavraColocada& w = APuzzle.Palavras[s];
        EXPECT_EQ(w.Ranhura, static_cast<int>(s));
        ASSERT_EQ(w.Grelha.size(), static_cast<std::size_t>(r.Comprimento));
        for (int j = 0; j < r.Comprimento; ++j) {
            const int casa = CasaDaRanhura(r, j, lado);
            EXPECT_EQ(APuzzle.Letras[static_cast<std::size_t>(casa)], w.Grelha[static_cast<std::size_t>(j)]);
            ++cobertas[static_cast<std::size_t>(casa)];
        }
        const int indice = ADic.IndiceDaGrelha(w.Grelha);
        ASSERT_GE(indice, 0) << w.Grelha;
        EXPECT_EQ(ADic.GetPalavra(indice).Texto, w.Texto);
        EXPECT_TRUE(vistas.insert(w.Grelha).second) << "palavra repetida " << w.Grelha;
        if (AComPistas) {
            const auto& pistas = ADic.GetPalavra(indice).Pistas;
            EXPECT_NE(std::find(pistas.begin(), pistas.end(), w.Pista), pistas.end()) << w.Grelha;
        }
    }
    for (std::size_t c = 0; c < cobertas.size(); ++c) {
        if (APuzzle.Letras[c] == '#') EXPECT_EQ(cobertas[c], 0);
        else {
            EXPECT_EQ(cobertas[c], 2) << c;
            EXPECT_TRUE(APuzzle.Letras[c] >= 'A' && APuzzle.Letras[c] <= 'Z');
        }
    }
}

} // namespace vorleta::teste
