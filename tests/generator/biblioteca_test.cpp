// The built-in pattern library as shipped.

#include <gtest/gtest.h>

#include <set>

#include "comum/invariantes.hpp"
#include "generator/qualidade.hpp"
#include "grid/grelha.hpp"
#include "grid/padroes.hpp"

using namespace vorleta;

TEST(BibliotecaEmbutida, ContagensRegrasEquilibrioEChaves) {
    struct Lado {
        int lado, quantos;
        double media;
        const char* primeiro;
    };
    const Lado lados[] = {
        {9, 92, 0.20, "##....###/#.......#/........#/.....#.../....#..../...#...../#......../#.......#/###....##"},
        {11, 200, 0.21,
         "...#####.../.....#...../.....#...../..........#/...##.....#/###.....###/#.....##.../#........../"
         ".....#...../.....#...../...#####..."},
        {13, 260, 0.23,
         "#.....###..../#......#...../.......#...../.......#....#/....##......#/...##.....###/#.....#.....#/"
         "###.....##.../#......##..../#....#......./.....#......./.....#......#/....###.....#"},
        {15, 315, 0.24,
         "###.....####.../#........#...../#........#...../...#...#......#/......##......#/.....##.......#/"
         "....##......###/...##.....##.../###......##..../#.......##...../#......##....../#......#...#.../"
         ".....#........#/.....#........#/...####.....###"},
    };
    const int maior = vorleta::teste::DicionarioEmbutido().MaiorComprimento();
    for (const Lado& l : lados) {
        const auto padroes = PadroesDaBiblioteca(l.lado);
        ASSERT_EQ(static_cast<int>(padroes.size()), l.quantos) << l.lado;
        EXPECT_EQ(PadraoParaTexto(padroes[0], l.lado), l.primeiro);
        const TOpcoesGerador opc = OpcoesGeradorParaLado(l.lado);
        std::set<std::string> chaves;
        double soma = 0;
        for (std::size_t i = 0; i < padroes.size(); ++i) {
            const TPadrao& p = padroes[i];
            EXPECT_EQ(ValidarPadrao(p, l.lado), "") << l.lado << " #" << i;
            EXPECT_EQ(AvaliarEquilibrio(p, l.lado), "") << l.lado << " #" << i;
            if (i > 0) { // the fixed first patterns stay whatever they score
                EXPECT_TRUE(PadraoAceitavel(p, l.lado, opc, maior)) << l.lado << " #" << i;
            }
            EXPECT_TRUE(chaves.insert(ChaveDoPadrao(p, l.lado)).second) << l.lado << " #" << i;
            const double pretas =
                static_cast<double>(std::count(p.begin(), p.end(), 1)) / static_cast<double>(p.size());
            EXPECT_GE(pretas, 0.10);
            EXPECT_LE(pretas, 0.28);
            soma += pretas;
        }
        EXPECT_NEAR(soma / static_cast<double>(padroes.size()), l.media, 0.01) << l.lado;
    }
}
