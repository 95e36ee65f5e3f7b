#include <gtest/gtest.h>

#include <cmath>

#include "comum/canvas_gravador.hpp"
#include "grid/grelha.hpp"
#include "pages/pagina_puzzle.hpp"

using namespace vorleta;

namespace {

// A 9 x 9 puzzle on the all-white board: nine across and nine down words,
// each with the clue given.
std::string Palavras(int AQuantas) {
    std::string texto = "abcde";
    for (int i = 1; i < AQuantas; ++i) texto += " abcde";
    return texto;
}

TPuzzle PuzzleBranco(const std::string& APista) {
    TPuzzle p;
    p.Lado = 9;
    p.Letras = std::string(81, 'A');
    p.Ranhuras = ExtrairRanhuras(TPadrao(81, 0), 9);
    for (std::size_t s = 0; s < p.Ranhuras.size(); ++s)
        p.Palavras.push_back({"AAAAAAAAA", "AAAAAAAAA", static_cast<int>(s), APista});
    return p;
}

double AlturaDoBloco(const std::string& APista, double ATamanho) {
    teste::TCanvasGravador c;
    return ComporPistas(c, GruposDePistas(PuzzleBranco(APista), true), 18, 0, 83, ATamanho, PtParaMm(ATamanho) * 1.3,
                        false);
}

} // namespace

TEST(Disposicao, MaiorCasaComPistasCurtas) {
    teste::TCanvasGravador c;
    const TDisposicao d = CalcularDisposicao(c, PuzzleBranco("Curta"));
    EXPECT_DOUBLE_EQ(d.Casa, 14);
    EXPECT_DOUBLE_EQ(d.TamanhoPistas, 9);
    EXPECT_DOUBLE_EQ(d.Entrelinha, PtParaMm(9) * 1.3);
    EXPECT_DOUBLE_EQ(CasaMaxima(13), 174.0 / 13);
    EXPECT_DOUBLE_EQ(CasaMaxima(15), 11.6);
}

TEST(Disposicao, CasaDesceEmQuartosDeMilimetroAntesDaLetra) {
    // Long clues: the block at 9 pt no longer fits beside 14 mm cells.
    const std::string pista = Palavras(45);
    const double h9 = AlturaDoBloco(pista, 9);
    const double casaQueCabe = (277 - 38 - 8 - 7 - h9) / 9;
    ASSERT_LT(casaQueCabe, 14);
    ASSERT_GT(casaQueCabe, 7);
    teste::TCanvasGravador c;
    const TDisposicao d = CalcularDisposicao(c, PuzzleBranco(pista));
    EXPECT_DOUBLE_EQ(d.TamanhoPistas, 9);
    EXPECT_LE(d.Casa, casaQueCabe);
    EXPECT_GT(d.Casa + 0.25, casaQueCabe);
    EXPECT_DOUBLE_EQ((14 - d.Casa) / 0.25, std::round((14 - d.Casa) / 0.25));
}

TEST(Disposicao, PisoDeSeteMilimetrosESeisEMeioPontos) {
    teste::TCanvasGravador c;
    const TDisposicao d = CalcularDisposicao(c, PuzzleBranco(Palavras(3000)));
    EXPECT_DOUBLE_EQ(d.Casa, 7);
    EXPECT_DOUBLE_EQ(d.TamanhoPistas, 6.5);
    EXPECT_DOUBLE_EQ(d.Entrelinha, PtParaMm(6.5) * 1.3);
}

TEST(Grupos, HorizontaisEVerticaisDeUmPuzzleReal) {
    TPuzzle p;
    p.Lado = 5;
    int lado = 0;
    const TPadrao padrao = PadraoDeTexto("#...#/...../...../...../#...#", lado);
    p.Letras = "#ABC#DEFGHIJKLMNOPQR#STU#";
    p.Ranhuras = ExtrairRanhuras(padrao, 5);
    const char* pistas[] = {"h1", "h2", "h3", "h4", "h5", "v1", "v2", "v3", "v4", "v5"};
    for (std::size_t s = 0; s < p.Ranhuras.size(); ++s) p.Palavras.push_back({"X", "X", static_cast<int>(s), pistas[s]});
    EXPECT_EQ(GruposDePistas(p, true),
              (std::vector<TGrupoPistas>{{1, "h1"}, {2, "h2"}, {3, "h3"}, {4, "h4"}, {5, "h5"}}));
    EXPECT_EQ(GruposDePistas(p, false),
              (std::vector<TGrupoPistas>{{1, "v1"}, {2, "v2"}, {3, "v3"}, {4, "v4"}, {5, "v5"}}));
    // Three across words in one row make one group.
    TPuzzle tres;
    tres.Lado = 11;
    tres.Ranhuras = {{0, 0, true, 3}, {0, 4, true, 3}, {0, 8, true, 3}, {0, 0, false, 3}};
    for (int s = 0; s < 4; ++s) tres.Palavras.push_back({"X", "X", s, "p" + std::to_string(s)});
    EXPECT_EQ(GruposDePistas(tres, true), (std::vector<TGrupoPistas>{{1, "p0 | p1 | p2"}}));
    EXPECT_TRUE(GruposDePistas(TPuzzle{}, false).empty());
}

TEST(Pistas, NumeroNuncaTerminaUmaLinhaEBarraFicaComAPalavra) {
    teste::TCanvasGravador c;
    // 10 pt: one character is 1 mm, bold 1.1 mm; a space is 1 mm. Column 24 mm.
    const std::vector<TGrupoPistas> grupos = {{1, "aaaa bbbb | cccc"}, {12, "dddddddd"}};
    const double altura = ComporPistas(c, grupos, 10, 100, 24, 10, 5, true);
    const auto t = c.Textos();
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].Texto, "1");
    EXPECT_TRUE(t[0].Negrito);
    EXPECT_DOUBLE_EQ(t[0].X1, 10);
    EXPECT_EQ(t[1].Texto, "aaaa");
    EXPECT_FALSE(t[1].Negrito);
    EXPECT_DOUBLE_EQ(t[1].X1, 10 + 1.1 + 1);
    EXPECT_EQ(t[2].Texto, "bbbb |");
    EXPECT_DOUBLE_EQ(t[2].X1, 10 + 7.1);
    EXPECT_EQ(t[3].Texto, "cccc");
    EXPECT_DOUBLE_EQ(t[3].X1, 10 + 14.1);
    EXPECT_DOUBLE_EQ(t[3].Y1, 100);
    // After two spaces the pen is at 20.1 mm: "12" alone would fit (22.3), but
    // not with its first word, so both start the next line.
    EXPECT_EQ(t[4].Texto, "12");
    EXPECT_DOUBLE_EQ(t[4].X1, 10);
    EXPECT_DOUBLE_EQ(t[4].Y1, 105);
    EXPECT_EQ(t[5].Texto, "dddddddd");
    EXPECT_DOUBLE_EQ(t[5].X1, 10 + 2.2 + 1);
    EXPECT_DOUBLE_EQ(t[5].Y1, 105);
    EXPECT_DOUBLE_EQ(altura, 10);
    // Measuring draws nothing and gives the same height.
    teste::TCanvasGravador medida;
    EXPECT_DOUBLE_EQ(ComporPistas(medida, grupos, 10, 100, 24, 10, 5, false), altura);
    EXPECT_TRUE(medida.Chamadas.empty());
    EXPECT_EQ(ComporPistas(medida, {}, 10, 100, 24, 10, 5, false), 0);
}

TEST(Pistas, PalavraMaiorQueAColunaFicaNumaLinhaSo) {
    teste::TCanvasGravador c;
    const double altura = ComporPistas(c, {{3, "a " + std::string(40, 'x') + " b"}}, 0, 0, 20, 10, 5, true);
    const auto t = c.Textos();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_DOUBLE_EQ(t[2].X1, 0);
    EXPECT_DOUBLE_EQ(t[2].Y1, 5);
    EXPECT_DOUBLE_EQ(t[3].Y1, 10);
    EXPECT_DOUBLE_EQ(altura, 15);
}

TEST(Tabuleiro, OrdemDoDesenhoEMoldura) {
    teste::TCanvasGravador c;
    DesenharGrelha(c, 3, "#.#.#.#.#", 10, 20, 5, 0.6, 1.2);
    const auto& ch = c.Chamadas;
    ASSERT_EQ(ch.size(), 5u + 4u + 4u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ch[static_cast<std::size_t>(i)].Operacao, "Rectangulo");
        EXPECT_EQ(ch[static_cast<std::size_t>(i)].Cinza, -1);
        EXPECT_EQ(ch[static_cast<std::size_t>(i)].Preenchimento, 0);
    }
    EXPECT_DOUBLE_EQ(ch[1].X1, 20); // black cell (0, 2)
    // Inner lines: horizontal then vertical for each k.
    EXPECT_DOUBLE_EQ(ch[5].Y1, 25);
    EXPECT_DOUBLE_EQ(ch[5].Y2, 25);
    EXPECT_DOUBLE_EQ(ch[6].X1, 15);
    EXPECT_DOUBLE_EQ(ch[6].X2, 15);
    EXPECT_DOUBLE_EQ(ch[5].Espessura, 0.6);
    // The frame: each side lengthened by half its width beyond the corners.
    const double m = PtParaMm(1.2) / 2;
    EXPECT_DOUBLE_EQ(ch[9].X1, 10 - m);
    EXPECT_DOUBLE_EQ(ch[9].X2, 25 + m);
    EXPECT_DOUBLE_EQ(ch[11].Y1, 20 - m);
    EXPECT_DOUBLE_EQ(ch[12].Y2, 35 + m);
    EXPECT_DOUBLE_EQ(ch[12].Espessura, 1.2);
}

TEST(Tabuleiro, NumerosAoLadoDoTabuleiro) {
    teste::TCanvasGravador c;
    DesenharTabuleiro(c, 9, std::string(81, 'A'), 42, 38, 14);
    const auto t = c.Textos();
    ASSERT_EQ(t.size(), 18u);
    const double h = 0.4 * 9;
    EXPECT_EQ(t[0].Texto, "1"); // column 1 before row 1
    EXPECT_DOUBLE_EQ(t[0].X1, 42 + 7);
    EXPECT_DOUBLE_EQ(t[0].Y1, 38 - h - 2);
    EXPECT_EQ(t[0].Alinhamento, TAlinhamento::alCentro);
    EXPECT_DOUBLE_EQ(t[1].X1, 40);
    EXPECT_DOUBLE_EQ(t[1].Y1, 38 + (14 - h) / 2);
    EXPECT_EQ(t[1].Alinhamento, TAlinhamento::alDireita);
    EXPECT_DOUBLE_EQ(t[0].Tamanho, 9);
    teste::TCanvasGravador pequeno;
    DesenharTabuleiro(pequeno, 15, std::string(225, 'A'), 18, 38, 7);
    EXPECT_DOUBLE_EQ(pequeno.Textos()[0].Tamanho, MmParaPt(7 * 0.42));
}

TEST(Pagina, TituloTabuleiroECabecalhos) {
    teste::TCanvasGravador c;
    DesenharPaginaDoPuzzle(c, PuzzleBranco("Curta"), 7);
    const auto* titulo = c.ProcurarTexto("#7");
    ASSERT_NE(titulo, nullptr);
    EXPECT_DOUBLE_EQ(titulo->X1, 192);
    EXPECT_DOUBLE_EQ(titulo->Y1, 18);
    EXPECT_EQ(titulo->Tamanho, 14);
    const auto* horizontais = c.ProcurarTexto("Horizontais");
    const auto* verticais = c.ProcurarTexto("Verticais");
    ASSERT_NE(horizontais, nullptr);
    ASSERT_NE(verticais, nullptr);
    EXPECT_DOUBLE_EQ(horizontais->Y1, 38 + 14 * 9 + 8);
    EXPECT_DOUBLE_EQ(verticais->X1, 109);
    EXPECT_EQ(horizontais->Tamanho, 11);
    EXPECT_DOUBLE_EQ(c.Chamadas[1].X1, (210 - 14 * 9) / 2.0); // first inner line starts at the board's left edge
}
