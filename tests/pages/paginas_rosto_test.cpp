#include <gtest/gtest.h>

#include "comum/canvas_gravador.hpp"
#include "pages/paginas_rosto.hpp"

using namespace vorleta;

TEST(Regras, FraseDosAcentosSoComAcentos) {
    const auto sem = LinhasDasRegras(false), com = LinhasDasRegras(true);
    EXPECT_EQ(sem.size(), 14u);
    EXPECT_EQ(com.size(), 16u);
    EXPECT_EQ(com[8].Texto, "O tabuleiro não leva acentos nem cedilha: a palavra AÇÚCAR, por exemplo, escreve-se ACUCAR.");
    EXPECT_EQ(com[0].Texto, "Como jogar Vorleta");
    EXPECT_EQ(com[10].Texto, "Dicas");
    EXPECT_EQ(com[15].Texto, "- Se ficar preso, as soluções estão no fim do livro.");
    EXPECT_NE(com[6].Texto.find("«\u00A0|\u00A0»"), std::string::npos);
    for (const auto& l : sem) EXPECT_EQ(l.Texto.find("AÇÚCAR"), std::string::npos);
    EXPECT_EQ(TituloDoSeparador(0), "Puzzles");
    EXPECT_EQ(TituloDoSeparador(1), "Soluções");
    EXPECT_EQ(TextoLegal(0), "");
    EXPECT_EQ(PuzzleDeExemplo().Letras, "#O#M#ERRARIDEIASEIOS#M#R#");
}

TEST(Regras, QuebraSoNosEspacosNormais) {
    teste::TCanvasGravador c;
    // 10 pt: 1 mm per character.
    EXPECT_EQ(QuebrarTexto(c, "aa bb cc", 5, 10, false), (std::vector<std::string>{"aa bb", "cc"}));
    EXPECT_EQ(QuebrarTexto(c, "aa\u00A0bb cc", 5, 10, false), (std::vector<std::string>{"aa\u00A0bb", "cc"}));
    EXPECT_EQ(QuebrarTexto(c, "muitolongo x", 5, 10, false), (std::vector<std::string>{"muitolongo", "x"}));
    EXPECT_TRUE(QuebrarTexto(c, "", 5, 10, false).empty());
}

TEST(Regras, EspacamentoDasLinhas) {
    teste::TCanvasGravador c;
    const double e = PtParaMm(11) * 1.45;
    const std::vector<TLinhaRegras> linhas = {{TTipoLinhaRegras::lrTitulo, "T"},
                                              {TTipoLinhaRegras::lrTexto, std::string(100, 'x') + " " + std::string(100, 'y')},
                                              {TTipoLinhaRegras::lrBranco, ""},
                                              {TTipoLinhaRegras::lrTitulo, "U"},
                                              {TTipoLinhaRegras::lrItem, "- corpo do item"}};
    const double fim = DesenharRegras(c, linhas, 18);
    const auto t = c.Textos();
    EXPECT_DOUBLE_EQ(t[0].X1, 105);
    EXPECT_EQ(t[0].Tamanho, 20);
    EXPECT_DOUBLE_EQ(t[1].Y1, 30);
    EXPECT_DOUBLE_EQ(t[2].Y1, 30 + e);
    EXPECT_DOUBLE_EQ(t[3].Y1, 30 + 2 * e + e / 2 + 4); // later headings: 4 mm above, 7 below
    EXPECT_DOUBLE_EQ(t[3].X1, 18);
    EXPECT_EQ(t[3].Tamanho, 13);
    EXPECT_EQ(t[4].Texto, "- ");
    EXPECT_EQ(t[5].Texto, "corpo do item");
    EXPECT_DOUBLE_EQ(t[5].X1, 18 + 2 * 1.1);
    EXPECT_DOUBLE_EQ(t[5].Y1, t[4].Y1);
    EXPECT_DOUBLE_EQ(fim, t[4].Y1 + e);
}

TEST(Capa, ComESemTituloEContagem) {
    teste::TCanvasGravador com;
    DesenharCapa(com, TConfigLivro{30, 15, "  Férias\t", 1}, 30);
    const auto t = com.Textos();
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].Texto, "NARVELO");
    EXPECT_DOUBLE_EQ(t[0].Y1, 42);
    EXPECT_EQ(t[1].Texto, "VORLETA");
    EXPECT_EQ(t[1].Tamanho, 80);
    EXPECT_EQ(t[2].Texto, "Férias");
    EXPECT_DOUBLE_EQ(t[2].Y1, 150);
    EXPECT_EQ(t[2].Tamanho, 34);
    EXPECT_EQ(t[3].Texto, "30 puzzles");
    EXPECT_DOUBLE_EQ(t[3].Y1, 202);
    EXPECT_EQ(t[4].Texto, "15 \u00D7 15");
    EXPECT_DOUBLE_EQ(t[4].Y1, 212);

    teste::TCanvasGravador sem;
    DesenharCapa(sem, TConfigLivro{1, 9, " \x01 ", 1}, 1);
    const auto u = sem.Textos();
    ASSERT_EQ(u.size(), 4u);
    EXPECT_EQ(u[2].Texto, "1 puzzle");
    EXPECT_DOUBLE_EQ(u[2].Y1, 202);
}

TEST(Capa, TituloLongoEncolheAte16) {
    teste::TCanvasGravador c;
    // 40 bold characters at 34 pt measure 149.6 mm; 60 at 16 pt still exceed nothing.
    DesenharTituloAjustado(c, 150, std::string(60, 'M'), 34, 16, 2, true);
    EXPECT_EQ(c.Textos()[0].Tamanho, 26); // 60 * 2.6 * 1.1 = 171.6 <= 174
    teste::TCanvasGravador d;
    DesenharTituloAjustado(d, 150, std::string(200, 'M'), 34, 16, 2, true);
    EXPECT_EQ(d.Textos()[0].Tamanho, 16); // still wider than 174 mm, drawn anyway
    EXPECT_EQ(TituloDaCapa("\tA\x7F" "B\xC2\x85 "), "AB");
}

TEST(Verso, SeloDepoisDoTextoLegal) {
    teste::TCanvasGravador c;
    DesenharVerso(c, false);
    const auto& ultima = c.Chamadas.back();
    EXPECT_EQ(ultima.Operacao, "Imagem");
    EXPECT_EQ(ultima.Texto, "SELO_CC_BY_NC_ND");
    EXPECT_DOUBLE_EQ(ultima.X1, 18);
    EXPECT_DOUBLE_EQ(ultima.Y1, 229); // no licence line: 225 + 4
    EXPECT_DOUBLE_EQ(ultima.X2, 30);
    EXPECT_DOUBLE_EQ(ultima.Y2, 10.546875);
    EXPECT_NE(c.ProcurarTexto("Vorleta"), nullptr);
}

TEST(Separador, TituloEBarra) {
    teste::TCanvasGravador c;
    DesenharSeparador(c, 1);
    ASSERT_EQ(c.Chamadas.size(), 2u);
    EXPECT_EQ(c.Chamadas[0].Texto, "Soluções");
    EXPECT_DOUBLE_EQ(c.Chamadas[0].Y1, 148.5 - 0.4 * 36 / 2 - 4);
    EXPECT_EQ(c.Chamadas[1].Operacao, "Rectangulo");
    EXPECT_DOUBLE_EQ(c.Chamadas[1].X1, 90);
    EXPECT_DOUBLE_EQ(c.Chamadas[1].Y1, 162.5);
}

TEST(Simbolo, TabuleiroDeExemploCentrado) {
    teste::TCanvasGravador c;
    DesenharSimbolo(c);
    EXPECT_DOUBLE_EQ(c.Chamadas[0].X1, 60);
    EXPECT_DOUBLE_EQ(c.Chamadas[0].Y1, 103.5);
    EXPECT_EQ(c.Textos().size(), 19u); // one letter per white cell
}
