#include <gtest/gtest.h>

#include "generator/qualidade.hpp"
#include "grid/grelha.hpp"

using namespace vorleta;

namespace {

TPadrao DeTexto(const std::string& ATexto) {
    int lado = 0;
    return PadraoDeTexto(ATexto, lado);
}

// A board of side L, all black except the rows listed.
TPadrao LinhasBrancas(int L, std::initializer_list<int> ALinhas) {
    TPadrao p(static_cast<std::size_t>(L * L), 1);
    for (int l : ALinhas)
        for (int c = 0; c < L; ++c) p[static_cast<std::size_t>(l * L + c)] = 0;
    return p;
}

} // namespace

TEST(Equilibrio, RegrasEMensagens) {
    struct Caso {
        const char* nome;
        TPadrao padrao;
        std::string mensagem;
    };
    TPadrao semLinha0(81, 0);
    for (int c = 0; c < 9; ++c) semLinha0[static_cast<std::size_t>(c)] = 1;
    const Caso casos[] = {
        {"sem ranhuras", TPadrao(81, 1), "poucas palavras (0)"},
        {"17 ranhuras", semLinha0, "poucas palavras (17)"},
        {"18 ranhuras", TPadrao(81, 0), ""},
        {"46 ranhuras", DeTexto("...#..#../...#..#../..#..#.../.#..#..#./...#..#../..#..#.../.#..#..#./...#..#../..#...#.."),
         "muitas palavras (46)"},
        {"19 e 11", DeTexto(".......#./...#...../...#.#.../..#..#.../..##.#.../.....#.../......#../..#....../..#...#.."),
         "horizontais e verticais desequilibradas (19 e 11)"},
        {"17 e 13", DeTexto("..#....../...#..###/..#..#.#./#.#...#../....#.#../#.##...../.#....#../..#....../....#...."), ""},
        {"quadrantes 7 e 3", DeTexto(".#......./#......../#..#...#./.###..##./##......./......#../...#...../#..#....#/....#...."),
         "quadrantes desequilibrados (7 e 3 casas pretas)"},
        {"quadrantes 6 e 3", DeTexto("#.##..##./..#.#..../..#....../...##..#./.#..##.../..#...#../.......#./........./...##...#"), ""},
    };
    for (const Caso& caso : casos) EXPECT_EQ(AvaliarEquilibrio(caso.padrao, 9), caso.mensagem) << caso.nome;
}

TEST(Estatisticas, SemRanhuras) {
    const TPadrao preto(81, 1);
    EXPECT_EQ(MediaComprimento(preto, 9), 0.0);
    EXPECT_EQ(FraccaoAte4(preto, 9), 0.0);
    EXPECT_FALSE(DemasiadasCurtas(preto, 9, 0.3));
    EXPECT_EQ(PenalidadePadrao(preto, 9, TOpcoesGerador{}), 1000.0);
}

TEST(Estatisticas, CurtasNoLimiteNaoSaoDemasiadas) {
    const TPadrao p = DeTexto("...#..#../...#..#../..#..#.../.#..#..#./...#..#../..#..#.../.#..#..#./...#..#../..#...#..");
    const int n = static_cast<int>(ExtrairRanhuras(p, 9).size());
    const int tres = ContarRanhurasDeComprimento(p, 9, 3);
    ASSERT_GT(tres, 0);
    EXPECT_FALSE(DemasiadasCurtas(p, 9, static_cast<double>(tres) / n));
    EXPECT_TRUE(DemasiadasCurtas(p, 9, static_cast<double>(tres - 1) / n));
    EXPECT_EQ(ContarLongas(TPadrao(81, 0), 9, 9), 18);
    EXPECT_EQ(ContarLongas(TPadrao(81, 0), 9, 10), 0);
    EXPECT_DOUBLE_EQ(MediaComprimento(TPadrao(81, 0), 9), 9.0);
    EXPECT_TRUE(TemRanhuraMaiorQue(TPadrao(81, 0), 9, 8));
    EXPECT_FALSE(TemRanhuraMaiorQue(TPadrao(81, 0), 9, 9));
}

TEST(Aceitacao, CondicoesPorOrdem) {
    const TPadrao branco15(225, 0);
    const TOpcoesGerador opc13 = OpcoesGeradorParaLado(13);
    const TOpcoesGerador opc15 = OpcoesGeradorParaLado(15);
    EXPECT_FALSE(PadraoAceitavel(branco15, 15, opc13, 13)); // a 15-letter slot, words up to 13
    EXPECT_TRUE(PadraoAceitavel(branco15, 15, opc13, 15));
    EXPECT_FALSE(PadraoAceitavel(branco15, 15, opc15, 15)); // 30 slots of 8 letters or more
    EXPECT_FALSE(PadraoAceitavel(TPadrao(81, 1), 9, opc13, 15)); // unbalanced
    // Side 15 with default options needs at least two long slots.
    TOpcoesGerador uma = opc15;
    uma.MaxLongas = 0;
    uma.MaxAte4 = 0;
    uma.MaxMedia = 0;
    EXPECT_TRUE(PadraoAceitavel(branco15, 15, uma, 15));
    uma.CompMinLongas = 16;
    EXPECT_FALSE(PadraoAceitavel(branco15, 15, uma, 15));
}

TEST(Penalidade, ExemplosDeDefeitos) {
    const TPadrao umaLonga = LinhasBrancas(13, {6});
    TOpcoesGerador nenhuma;
    EXPECT_DOUBLE_EQ(PenalidadePadrao(umaLonga, 13, nenhuma), 6.0);
    TOpcoesGerador minLongas;
    minLongas.MinLongas = 2;
    minLongas.CompMinLongas = 13;
    EXPECT_DOUBLE_EQ(PenalidadePadrao(umaLonga, 13, minLongas), 8.0);
    // Every soft goal at once on the all-white 15 x 15 board.
    const TOpcoesGerador opc15 = OpcoesGeradorParaLado(15);
    const double media = (15.0 - 5.1) * 20, longas = (30 - 7) * 2, longa = (15 - 10) * 2;
    EXPECT_DOUBLE_EQ(PenalidadePadrao(TPadrao(225, 0), 15, opc15), media + longas + longa);
}

TEST(OpcoesGerador, ValoresPorLado) {
    for (int lado : {9, 11, 13}) {
        const TOpcoesGerador o = OpcoesGeradorParaLado(lado);
        EXPECT_EQ(o.MaxPadroes, 2000);
        EXPECT_DOUBLE_EQ(o.Densidade, 0.3);
        EXPECT_DOUBLE_EQ(o.ProbEvitarCurtas, 0.7);
        EXPECT_DOUBLE_EQ(o.MaxFraccaoCurtas, 0.3);
        EXPECT_EQ(o.MaxLongas, 0);
        EXPECT_EQ(o.MinLongas, 0);
        EXPECT_EQ(o.MaxAte4, 0.0);
        EXPECT_EQ(o.MaxMedia, 0.0);
        EXPECT_EQ(o.MaxBiblioteca, 30);
        EXPECT_EQ(o.CompMinLongas, 8);
        EXPECT_TRUE(o.BaseMutacao.empty());
        EXPECT_FALSE(o.Biblioteca.empty());
        EXPECT_EQ(o.Preenchimento.Tentativas, lado == 13 ? 1 : 2);
    }
    const TOpcoesGerador o = OpcoesGeradorParaLado(15);
    EXPECT_EQ(o.MaxBiblioteca, 100);
    EXPECT_EQ(o.MaxLongas, 7);
    EXPECT_EQ(o.MinLongas, 2);
    EXPECT_DOUBLE_EQ(o.MaxAte4, 0.5);
    EXPECT_DOUBLE_EQ(o.MaxMedia, 5.1);
    EXPECT_EQ(o.BaseMutacao, o.Biblioteca);
    EXPECT_FALSE(o.Biblioteca.empty());
    EXPECT_TRUE(OpcoesGeradorParaLado(0).Biblioteca.empty());
}
