#include <gtest/gtest.h>

#include <set>

#include "comum/invariantes.hpp"
#include "generator/gerador.hpp"
#include "generator/qualidade.hpp"
#include "grid/padroes.hpp"

using namespace vorleta;

TEST(GerarPuzzle, TamanhoInvalido) {
    TOpcoesGerador opc = OpcoesGeradorParaLado(11);
    TPuzzle p;
    TEstatGerador e;
    e.Padroes = 9;
    try {
        GerarPuzzle(vorleta::teste::DicionarioEmbutido(), 10, 1, opc, {}, p, e);
        FAIL();
    } catch (const EVorleta& erro) {
        EXPECT_STREQ(erro.what(), "GerarPuzzle: tamanho inválido: 10");
    }
    EXPECT_EQ(e.Padroes, 0);
}

TEST(GerarPuzzle, CadaLadoDaPuzzleCompleto) {
    const TDicionario& dic = vorleta::teste::DicionarioEmbutido();
    for (int lado : {9, 11, 13, 15}) {
        const TOpcoesGerador opc = OpcoesGeradorParaLado(lado);
        TPuzzle p;
        TEstatGerador e;
        ASSERT_TRUE(GerarPuzzle(dic, lado, 7, opc, {}, p, e)) << lado;
        EXPECT_EQ(p.Lado, lado);
        vorleta::teste::VerificarPuzzle(p, dic, true);
        std::set<std::string> pistas;
        for (const TPalavraColocada& w : p.Palavras) {
            std::string chave = w.Pista;
            EXPECT_TRUE(pistas.insert(chave).second) << chave;
        }
        EXPECT_EQ(e.Padroes, e.Desequilibrados + e.SemPreenchimento + e.Preenchimentos);
    }
}

TEST(GerarPuzzle, PararLogo) {
    TOpcoesGerador opc = OpcoesGeradorParaLado(11);
    TPuzzle p;
    TEstatGerador e;
    EXPECT_FALSE(GerarPuzzle(vorleta::teste::DicionarioEmbutido(), 11, 1, opc, [] { return true; }, p, e));
    EXPECT_EQ(e.Padroes, 0);
    EXPECT_TRUE(e.Biblioteca.empty());
    EXPECT_EQ(p.Lado, 0);
    // A stop request after three polls is honoured before the fourth candidate.
    int chamadas = 0;
    opc.Preenchimento.LimiteNos = 0;
    EXPECT_FALSE(GerarPuzzle(vorleta::teste::DicionarioEmbutido(), 11, 1, opc, [&] { return ++chamadas > 3; }, p, e));
    EXPECT_EQ(e.Padroes, 3);
}

TEST(GerarPuzzle, EstruturaDirigeAPrimeiraTentativa) {
    const TDicionario& dic = vorleta::teste::DicionarioEmbutido();
    struct Caso {
        int lado, estrutura;
        const char* rotulo;
    };
    // Library patterns: four built-in, or two when the options hold two.
    for (const Caso c : {Caso{11, 1, " 0.0"}, Caso{13, 7, " 1.2"}, Caso{15, 7, " 1.0"}}) {
        TOpcoesGerador opc = OpcoesGeradorParaLado(c.lado);
        const TPadrao primeiro = opc.Biblioteca[0];
        opc.Biblioteca = {primeiro, primeiro};
        opc.EstruturaBiblioteca = c.estrutura;
        opc.MaxBiblioteca = 1;
        opc.MaxPadroes = 0;
        opc.Preenchimento.LimiteNos = 0; // the attempt fails at once and leaves its label
        TPuzzle p;
        TEstatGerador e;
        EXPECT_FALSE(GerarPuzzle(dic, c.lado, 3, opc, {}, p, e));
        EXPECT_EQ(e.Biblioteca, std::string(c.rotulo) + "-") << c.lado;
    }
}

TEST(GerarPuzzle, SemBibliotecaOuSemTentativasDeBiblioteca) {
    const TDicionario& dic = vorleta::teste::DicionarioEmbutido();
    for (const bool semBiblioteca : {true, false}) {
        TOpcoesGerador opc = OpcoesGeradorParaLado(11);
        if (semBiblioteca) opc.Biblioteca.clear();
        else opc.MaxBiblioteca = 0;
        TPuzzle p;
        TEstatGerador e;
        ASSERT_TRUE(GerarPuzzle(dic, 11, 5, opc, {}, p, e));
        EXPECT_TRUE(e.Biblioteca.empty());
        vorleta::teste::VerificarPuzzle(p, dic, true);
    }
}

TEST(GerarPuzzle, ComLongasSemBaseUsaGerarPadrao) {
    TOpcoesGerador opc = OpcoesGeradorParaLado(11);
    opc.Biblioteca.clear();
    opc.MinLongas = 2;
    opc.MaxPadroes = 20;
    opc.Preenchimento.LimiteNos = 0;
    TPuzzle p;
    TEstatGerador e;
    EXPECT_FALSE(GerarPuzzle(vorleta::teste::DicionarioEmbutido(), 11, 2, opc, {}, p, e));
    EXPECT_EQ(e.Padroes, 20);
    EXPECT_EQ(e.Padroes, e.Desequilibrados + e.SemPreenchimento);
}

TEST(GerarPuzzle, MesmaSementeMesmoPuzzle) {
    const TDicionario& dic = vorleta::teste::DicionarioEmbutido();
    const TOpcoesGerador opc = OpcoesGeradorParaLado(9);
    TPuzzle a, b;
    TEstatGerador ea, eb;
    ASSERT_TRUE(GerarPuzzle(dic, 9, 99, opc, {}, a, ea));
    ASSERT_TRUE(GerarPuzzle(dic, 9, 99, opc, {}, b, eb));
    EXPECT_EQ(a, b);
    EXPECT_EQ(ea.Biblioteca, eb.Biblioteca);
}

TEST(PesoBiblioteca, Tabela) {
    // All-white boards: longest slot L, no three-letter slot.
    EXPECT_EQ(PesoBiblioteca(TPadrao(49, 0), 7), 72);
    EXPECT_EQ(PesoBiblioteca(TPadrao(64, 0), 8), 66);
    EXPECT_EQ(PesoBiblioteca(TPadrao(81, 0), 9), 42);
    EXPECT_EQ(PesoBiblioteca(TPadrao(100, 0), 10), 30);
    EXPECT_EQ(PesoBiblioteca(TPadrao(121, 0), 11), 12);
    EXPECT_EQ(PesoBiblioteca(TPadrao(225, 0), 15), 6);
    // A lattice with every fourth row and column black: longest slot 3, and
    // far more than 17 three-letter slots.
    TPadrao grelha(225, 0);
    for (int l = 0; l < 15; ++l)
        for (int c = 0; c < 15; ++c)
            if (l % 4 == 3 || c % 4 == 3) grelha[static_cast<std::size_t>(l * 15 + c)] = 1;
    EXPECT_EQ(PesoBiblioteca(grelha, 15), 12); // longest 3, many three-letter slots
}

TEST(PretasDoPuzzle, MarcaCadaCardinal) {
    TPuzzle p;
    p.Lado = 9;
    p.Letras = std::string(81, 'A');
    p.Letras[0] = p.Letras[80] = '#';
    const TPadrao pretas = PretasDoPuzzle(p);
    ASSERT_EQ(pretas.size(), 81u);
    EXPECT_EQ(pretas[0], 1);
    EXPECT_EQ(pretas[1], 0);
    EXPECT_EQ(pretas[80], 1);
}
