#include <gtest/gtest.h>

#include "grid/grelha.hpp"

using namespace vorleta;

namespace {

TPadrao Branco(int ALado) { return TPadrao(static_cast<std::size_t>(ALado * ALado), 0); }

TPadrao ComPretas(int ALado, std::initializer_list<std::pair<int, int>> APretas) {
    TPadrao p = Branco(ALado);
    for (const auto& [l, c] : APretas) p[static_cast<std::size_t>(l * ALado + c)] = 1;
    return p;
}

TPadrao DeTexto(const std::string& ATexto) {
    int lado = 0;
    return PadraoDeTexto(ATexto, lado);
}

} // namespace

TEST(Regras, CadaMensagemNumPadraoQueSoQuebraEssaRegra) {
    struct Caso {
        const char* nome;
        TPadrao casas;
        int lado;
        std::string mensagem;
    };
    const Caso casos[] = {
        {"tamanho", Branco(5), 4, "o vector não tem Lado * Lado casas"},
        {"lado 0", {}, 0, "o vector não tem Lado * Lado casas"},
        {"simetria", ComPretas(5, {{0, 0}}), 5, "não é simétrico (rotação de 180 graus) na casa 0"},
        {"duas na linha", ComPretas(5, {{0, 2}, {4, 2}}), 5, "sequência de 2 casas brancas na linha 0"},
        {"duas na coluna", ComPretas(5, {{2, 0}, {2, 4}}), 5, "sequência de 2 casas brancas na coluna 0"},
        {"bloco", ComPretas(9, {{3, 3}, {3, 4}, {4, 3}, {4, 4}, {4, 5}, {5, 4}, {5, 5}}), 9,
         "bloco de 2 x 2 casas pretas na linha 3, coluna 3"},
        {"fora de palavra", ComPretas(5, {{0, 1}, {4, 3}}), 5, "casa branca fora de uma palavra horizontal ou vertical na linha 0, coluna 0"},
        {"1x1 branco", Branco(1), 1, "casa branca fora de uma palavra horizontal ou vertical na linha 0, coluna 0"},
        {"1x1 preto", TPadrao{1}, 1, "as casas brancas não estão todas ligadas"},
        {"ligacao", DeTexto("...#.../...#.../...#.../#######/...#.../...#.../...#..."), 7,
         "as casas brancas não estão todas ligadas"},
    };
    for (const Caso& caso : casos) EXPECT_EQ(ValidarPadrao(caso.casas, caso.lado), caso.mensagem) << caso.nome;
}

TEST(Regras, OrdemDasRegras) {
    // Breaks symmetry and has a run of two: symmetry is reported first.
    EXPECT_EQ(ValidarPadrao(ComPretas(5, {{0, 2}}), 5), "não é simétrico (rotação de 180 graus) na casa 2");
    // A run of two is reported by the row rule, not as a cell outside a word.
    EXPECT_EQ(ValidarPadrao(ComPretas(5, {{1, 2}, {3, 2}}), 5), "sequência de 2 casas brancas na linha 1");
    // A row rule before a column rule.
    EXPECT_EQ(ValidarPadrao(ComPretas(5, {{0, 2}, {4, 2}, {2, 0}, {2, 4}}), 5), "sequência de 2 casas brancas na linha 0");
}

TEST(Regras, TabuleiroBrancoValidoERanhuras) {
    for (int lado = 3; lado <= 15; ++lado) {
        const TPadrao p = Branco(lado);
        EXPECT_EQ(ValidarPadrao(p, lado), "");
        const auto r = ExtrairRanhuras(p, lado);
        ASSERT_EQ(r.size(), static_cast<std::size_t>(2 * lado));
        EXPECT_EQ(r[0], (TRanhura{0, 0, true, lado}));
        EXPECT_EQ(r[static_cast<std::size_t>(lado)], (TRanhura{0, 0, false, lado}));
        EXPECT_EQ(r.back(), (TRanhura{0, lado - 1, false, lado}));
    }
}

TEST(Ranhuras, OrdemEContagem) {
    const TPadrao p = DeTexto("#...#/...../...../...../#...#");
    const auto r = ExtrairRanhuras(p, 5);
    const std::vector<TRanhura> esperado = {
        {0, 1, true, 3}, {1, 0, true, 5}, {2, 0, true, 5}, {3, 0, true, 5}, {4, 1, true, 3},
        {1, 0, false, 3}, {0, 1, false, 5}, {0, 2, false, 5}, {0, 3, false, 5}, {1, 4, false, 3}};
    EXPECT_EQ(r, esperado);
    EXPECT_EQ(ContarRanhurasDeComprimento(p, 5, 3), 4);
    EXPECT_EQ(ContarRanhurasDeComprimento(p, 5, 5), 6);
}

TEST(Ranhuras, CasasEReferencias) {
    const TRanhura vertical{2, 5, false, 4};
    EXPECT_EQ(CasaDaRanhura(vertical, 0, 9), 23);
    EXPECT_EQ(CasaDaRanhura(vertical, 1, 9), 32);
    EXPECT_EQ(CasaDaRanhura(vertical, 2, 9), 41);
    EXPECT_EQ(CasaDaRanhura(vertical, 3, 9), 50);
    for (int fora : {4, -1}) {
        try {
            CasaDaRanhura(vertical, fora, 9);
            FAIL();
        } catch (const EVorleta& e) {
            EXPECT_STREQ(e.what(), "CasaDaRanhura: índice fora da ranhura");
        }
    }
    EXPECT_EQ(CasaDaRanhura(TRanhura{1, 2, true, 3}, 2, 9), 13);
    EXPECT_EQ(ReferenciaDaRanhura(TRanhura{0, 4, true, 3}), 1);
    EXPECT_EQ(ReferenciaDaRanhura(TRanhura{2, 8, false, 3}), 9);
}

TEST(FormaDeTexto, LeituraEErros) {
    int lado = -1;
    EXPECT_EQ(PadraoDeTexto("#./.#", lado), (TPadrao{1, 0, 0, 1}));
    EXPECT_EQ(lado, 2);
    EXPECT_TRUE(PadraoDeTexto("", lado).empty());
    EXPECT_EQ(lado, 0);
    struct Caso {
        const char* texto;
        const char* mensagem;
    };
    const Caso casos[] = {{"##/#", "PadraoDeTexto: o texto não é quadrado"},
                          {"###/", "PadraoDeTexto: o texto não é quadrado"},
                          {"#x/##", "PadraoDeTexto: carácter inválido"},
                          {"# /.#", "PadraoDeTexto: carácter inválido"}};
    for (const Caso& caso : casos) {
        try {
            PadraoDeTexto(caso.texto, lado);
            FAIL() << caso.texto;
        } catch (const EVorleta& e) {
            EXPECT_STREQ(e.what(), caso.mensagem) << caso.texto;
        }
    }
}

TEST(FormaDeTexto, IdaEVolta) {
    TGeradorAleatorio g(4);
    for (int lado = 1; lado <= 15; ++lado) {
        TPadrao p(static_cast<std::size_t>(lado * lado));
        for (auto& c : p) c = static_cast<std::uint8_t>(g.Limite(2));
        int lido = 0;
        EXPECT_EQ(PadraoDeTexto(PadraoParaTexto(p, lado), lido), p);
        EXPECT_EQ(lido, lado);
    }
    EXPECT_EQ(PadraoParaTexto(DeTexto("#...#/...../...../...../#...#"), 5), "#...#/...../...../...../#...#");
}

TEST(GerarPadrao, LadoInvalido) {
    TGeradorAleatorio g(1);
    for (int lado : {3, 4, 6}) {
        try {
            GerarPadrao(lado, g, 0.3, 0.5);
            FAIL() << lado;
        } catch (const EVorleta& e) {
            EXPECT_STREQ(e.what(), "GerarPadrao: o lado tem de ser ímpar e pelo menos 5");
        }
    }
}

TEST(GerarPadrao, ResultadosSempreValidos) {
    for (int lado = 5; lado <= 15; lado += 2) {
        for (double densidade : {0.0, 0.15, 0.3, 0.6, 1.0}) {
            for (double veto : {0.0, 0.5, 1.0}) {
                for (std::uint32_t semente : {1u, 2u, 3u}) {
                    TGeradorAleatorio g(semente * 1000 + static_cast<std::uint32_t>(lado));
                    const TPadrao p = GerarPadrao(lado, g, densidade, veto);
                    ASSERT_EQ(ValidarPadrao(p, lado), "") << lado << " " << densidade << " " << veto;
                    int pretas = 0;
                    for (auto c : p) pretas += c;
                    EXPECT_LT(pretas, densidade * lado * lado + 2);
                    if (densidade == 0.0) {
                        EXPECT_EQ(pretas, 0);
                    }
                    if (veto == 1.0) {
                        EXPECT_EQ(ContarRanhurasDeComprimento(p, lado, 3), 0);
                    }
                }
            }
        }
    }
}

TEST(GerarPadrao, DensidadeUmDaPadraoMaximal) {
    TGeradorAleatorio g(77);
    const int lado = 9;
    const TPadrao p = GerarPadrao(lado, g, 1.0, 0.0);
    // No remaining white pair can be blackened without breaking a rule.
    for (int c = 0; c < lado * lado; ++c) {
        if (p[static_cast<std::size_t>(c)]) continue;
        TPadrao q = p;
        q[static_cast<std::size_t>(c)] = q[static_cast<std::size_t>(lado * lado - 1 - c)] = 1;
        EXPECT_NE(ValidarPadrao(q, lado), "") << c;
    }
}

TEST(GerarPadrao, Reproduzivel) {
    TGeradorAleatorio a(5), b(5);
    EXPECT_EQ(GerarPadrao(13, a, 0.3, 0.7), GerarPadrao(13, b, 0.3, 0.7));
    EXPECT_EQ(a.Estado(), b.Estado());
    // Without the veto only the shuffle draws: N - 1 bounded draws.
    TGeradorAleatorio c(5), d(5);
    GerarPadrao(9, c, 0.3, 0.0);
    std::vector<int> ordem(81);
    d.Baralhar(ordem);
    EXPECT_EQ(c.Estado(), d.Estado());
}
