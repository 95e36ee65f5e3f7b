#include <gtest/gtest.h>

#include "comum/canvas_gravador.hpp"
#include "pages/pagina_solucoes.hpp"
#include "pages/paginas.hpp"

using namespace vorleta;
using enum TTipoPagina;

namespace {

TPuzzle PuzzleSimples(int ALado, const std::string& ATexto = "CASA", const std::string& AGrelha = "CASA") {
    TPuzzle p;
    p.Lado = ALado;
    p.Letras = std::string(static_cast<std::size_t>(ALado * ALado), 'A');
    p.Letras[0] = '#';
    p.Palavras.push_back({ATexto, AGrelha, 0, "pista"});
    p.Ranhuras.push_back({0, 1, true, ALado - 1});
    return p;
}

} // namespace

TEST(Plano, TabelaDePaginas) {
    struct Caso {
        int n, paginas;
    };
    for (const Caso c : {Caso{0, 5}, Caso{1, 6}, Caso{2, 8}, Caso{5, 11}, Caso{30, 43}, Caso{100, 130}})
        EXPECT_EQ(NumPaginasDoLivro(c.n), c.paginas) << c.n;

    EXPECT_EQ(PlanoDePaginas(0), (std::vector<TDescPagina>{{pgCapa, 0, 0}, {pgVerso, 0, 2}, {pgSeparador, 0, 0},
                                                            {pgSimbolo, 0, 0}, {pgSeparador, 1, 0}}));
    EXPECT_EQ(PlanoDePaginas(1), (std::vector<TDescPagina>{{pgCapa, 0, 0}, {pgVerso, 0, 2}, {pgSeparador, 0, 0},
                                                            {pgPuzzle, 0, 4}, {pgSeparador, 1, 0}, {pgSolucoes, 0, 6}}));
    EXPECT_EQ(PlanoDePaginas(2),
              (std::vector<TDescPagina>{{pgCapa, 0, 0}, {pgVerso, 0, 2}, {pgSeparador, 0, 0}, {pgPuzzle, 0, 4},
                                        {pgPuzzle, 1, 5}, {pgSimbolo, 0, 0}, {pgSeparador, 1, 0}, {pgSolucoes, 0, 8}}));
    const auto cinco = PlanoDePaginas(5);
    EXPECT_EQ(cinco[8], (TDescPagina{pgSeparador, 1, 0}));
    EXPECT_EQ(cinco[9], (TDescPagina{pgSolucoes, 0, 10}));
    EXPECT_EQ(cinco[10], (TDescPagina{pgSolucoes, 4, 11}));

    for (int n : {30, 100}) {
        const auto plano = PlanoDePaginas(n);
        EXPECT_EQ(plano[static_cast<std::size_t>(3 + n)].Tipo, pgSimbolo);
        EXPECT_EQ(plano[static_cast<std::size_t>(4 + n)], (TDescPagina{pgSeparador, 1, 0}));
        for (int k = 0; k < n; ++k) EXPECT_EQ(plano[static_cast<std::size_t>(3 + k)], (TDescPagina{pgPuzzle, k, k + 4}));
        EXPECT_EQ(plano.back().Primeiro, (n - 1) / 4 * 4);
        EXPECT_EQ(plano.back().Numero, static_cast<int>(plano.size()));
    }
}

TEST(Plano, TemAcentos) {
    EXPECT_FALSE(TemAcentos({}));
    EXPECT_FALSE(TemAcentos({PuzzleSimples(9)}));
    EXPECT_TRUE(TemAcentos({PuzzleSimples(9), PuzzleSimples(9, "AÇÚCAR", "ACUCAR")}));
}

TEST(Compositor, UmaPaginaPorDescritorEORodape) {
    TDadosLivro livro;
    livro.Config = {2, 9, "Teste", 1};
    livro.Puzzles = {PuzzleSimples(9), PuzzleSimples(9)};
    TCompositorLivro compositor(livro);
    EXPECT_EQ(compositor.NumPaginas(), 8);
    teste::TDestinoGravador destino;
    compositor.Compor(destino);
    ASSERT_EQ(destino.Paginas.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        const auto textos = destino.Paginas[i]->Textos();
        const teste::TChamadaCanvas* numero = nullptr;
        for (const auto& t : textos)
            if (t.Y1 == 283 && t.Texto == std::to_string(i + 1)) numero = &t;
        const auto* marca = destino.Paginas[i]->ProcurarTexto("Vorleta | Narvelo");
        const bool comRodape = i == 1 || i == 3 || i == 4 || i == 7;
        EXPECT_EQ(marca != nullptr, comRodape) << i;
        if (!comRodape) continue;
        ASSERT_NE(numero, nullptr);
        EXPECT_EQ(marca->X1, 18);
        EXPECT_EQ(marca->Y1, 283);
        EXPECT_EQ(marca->Cinza, 128);
        EXPECT_EQ(marca->Tamanho, 9);
        EXPECT_EQ(numero->X1, 192);
        EXPECT_EQ(numero->Alinhamento, TAlinhamento::alDireita);
    }
    EXPECT_NE(destino.Paginas[3]->ProcurarTexto("#1"), nullptr);
    EXPECT_NE(destino.Paginas[4]->ProcurarTexto("#2"), nullptr);
}

TEST(Solucoes, QuadrantesECasas) {
    EXPECT_DOUBLE_EQ(CasaDaSolucao(9), 8);
    EXPECT_DOUBLE_EQ(CasaDaSolucao(11), 81.0 / 11);
    EXPECT_DOUBLE_EQ(CasaDaSolucao(15), 5.4);
    std::vector<TPuzzle> puzzles;
    for (int i = 0; i < 5; ++i) puzzles.push_back(PuzzleSimples(i == 4 ? 15 : 9));
    teste::TCanvasGravador primeira, segunda;
    DesenharPaginaDeSolucoes(primeira, puzzles, 0);
    DesenharPaginaDeSolucoes(segunda, puzzles, 4);
    const double xs[] = {61.5, 148.5, 61.5, 148.5}, ys[] = {18, 18, 147.5, 147.5};
    for (int i = 0; i < 4; ++i) {
        const auto* rotulo = primeira.ProcurarTexto("Puzzle " + std::to_string(i + 1));
        ASSERT_NE(rotulo, nullptr);
        EXPECT_DOUBLE_EQ(rotulo->X1, xs[i]);
        EXPECT_DOUBLE_EQ(rotulo->Y1, ys[i]);
        EXPECT_EQ(rotulo->Tamanho, 10);
        EXPECT_TRUE(rotulo->Negrito);
    }
    EXPECT_EQ(primeira.ProcurarTexto("Puzzle 5"), nullptr);
    ASSERT_NE(segunda.ProcurarTexto("Puzzle 5"), nullptr);
    // The 9 x 9 board of puzzle 1 starts 7.5 mm inside its quadrant, 8 mm under its label;
    // the 15 x 15 board of puzzle 5 starts 3 mm inside.
    EXPECT_DOUBLE_EQ(primeira.Chamadas[1].X1, 18 + 7.5);
    EXPECT_DOUBLE_EQ(primeira.Chamadas[1].Y1, 26);
    EXPECT_DOUBLE_EQ(segunda.Chamadas[1].X1, 18 + 3);
}

TEST(Solucoes, LetrasCentradasNasCasas) {
    teste::TCanvasGravador canvas;
    DesenharSolucao(canvas, 3, "AB#C#DEFG", 10, 20, 8);
    const auto textos = canvas.Textos();
    ASSERT_EQ(textos.size(), 7u);
    const double s = MmParaPt(8 * 0.6), h = 0.4 * s;
    EXPECT_EQ(textos[0].Texto, "A");
    EXPECT_DOUBLE_EQ(textos[0].X1, 14);
    EXPECT_DOUBLE_EQ(textos[0].Y1, 20 + (8 - h) / 2);
    EXPECT_DOUBLE_EQ(textos[0].Tamanho, s);
    EXPECT_TRUE(textos[0].Negrito);
    EXPECT_EQ(textos[0].Alinhamento, TAlinhamento::alCentro);
    EXPECT_EQ(textos[2].Texto, "C");
    EXPECT_DOUBLE_EQ(textos[2].X1, 10 + 0.5 * 8);
    EXPECT_DOUBLE_EQ(textos[2].Y1, 28 + (8 - h) / 2);
}
