#include <gtest/gtest.h>

#include "generator/mutacao.hpp"
#include "generator/qualidade.hpp"
#include "grid/grelha.hpp"
#include "grid/padroes.hpp"

using namespace vorleta;

TEST(InserirLonga, ComprimentoDaLinhaInteira) {
    TGeradorAleatorio g(1);
    const int L = 9;
    for (int i = 0; i < 30; ++i) {
        TPadrao p = PadroesDaBiblioteca(L)[0];
        const TPadrao antes = p;
        if (InserirLonga(p, L, L, g)) {
            EXPECT_EQ(ValidarPadrao(p, L), "");
            EXPECT_GT(ContarLongas(p, L, L), 0);
        } else {
            EXPECT_EQ(p, antes);
        }
    }
}

TEST(InserirLonga, MarcasIncoerentesDeixamOPadraoIgual) {
    // Find a generator state that asks for a run of 8 across the middle row
    // from position 0: its closing black cell at 8 mirrors its own white cell 6.
    const int L = 15;
    for (std::uint32_t s = 0; s < 100000; ++s) {
        TGeradorAleatorio espreita(s);
        const int extra = espreita.Limite(2);
        const bool vertical = espreita.Limite(2) == 1;
        const int linha = espreita.Limite(L);
        const int inicio = espreita.Limite(L - (8 + extra) + 1);
        if (extra != 0 || vertical || linha != 7 || inicio != 0) continue;
        TGeradorAleatorio g(s);
        TPadrao p = PadroesDaBiblioteca(L)[0];
        const TPadrao antes = p;
        EXPECT_FALSE(InserirLonga(p, L, 8, g));
        EXPECT_EQ(p, antes);
        return;
    }
    FAIL() << "nenhuma semente pediu essa corrida";
}

TEST(MutarPadrao, ResultadosAdmissiveisEReproduziveis) {
    const TOpcoesGerador opc = OpcoesGeradorParaLado(15);
    for (std::uint32_t s = 0; s < 5; ++s) {
        TGeradorAleatorio a(s), b(s);
        const TPadrao p = MutarPadrao(opc.BaseMutacao, 15, opc, a);
        EXPECT_EQ(ValidarPadrao(p, 15), "");
        EXPECT_EQ(AvaliarEquilibrio(p, 15), "");
        EXPECT_EQ(MutarPadrao(opc.BaseMutacao, 15, opc, b), p);
        EXPECT_EQ(a.Estado(), b.Estado());
    }
}

TEST(GerarComLongas, AbreCasasOuEscavaCorridas) {
    const std::vector<TPadrao> base = PadroesDaBiblioteca(13);
    for (std::uint32_t s = 0; s < 5; ++s) {
        TGeradorAleatorio g(s);
        const TPadrao curto = GerarComLongas(base, 13, 6, 8, g);
        EXPECT_EQ(ValidarPadrao(curto, 13), "");
        TGeradorAleatorio h(s);
        const TPadrao longo = GerarComLongas(base, 13, 2, 11, h);
        EXPECT_EQ(ValidarPadrao(longo, 13), "");
        EXPECT_GE(ContarLongas(longo, 13, 11), 2);
    }
}
