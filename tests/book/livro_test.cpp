#include <gtest/gtest.h>

#include <map>
#include <set>

#include "book/livro.hpp"
#include "comum/invariantes.hpp"
#include "generator/gerador.hpp"
#include "grid/padroes.hpp"

using namespace vorleta;

namespace {

TConfigLivro Pedido(int ALado, int ANum, std::uint32_t ASemente) {
    TConfigLivro c;
    c.Lado = ALado;
    c.NumPuzzles = ANum;
    c.Semente = ASemente;
    return c;
}

struct TChamada {
    int Atual, Total;
};

} // namespace

TEST(Livro, PedidoInvalidoSemChamadas) {
    struct Caso {
        int lado, num;
        const char* mensagem;
    };
    const TDicionario& dic = vorleta::teste::DicionarioEmbutido();
    for (const Caso c : {Caso{11, 0, "Número de puzzles inválido."}, Caso{11, 101, "Número de puzzles inválido."},
                         Caso{10, 0, "Tamanho do tabuleiro inválido."}}) {
        int chamadas = 0;
        TRelatorioLivro rel;
        rel.Pedidos = 77;
        try {
            GerarLivro(dic, Pedido(c.lado, c.num, 1), [&](int, int, bool&) { ++chamadas; }, rel);
            FAIL();
        } catch (const EVorleta& e) {
            EXPECT_STREQ(e.what(), c.mensagem);
        }
        EXPECT_EQ(chamadas, 0);
        EXPECT_EQ(rel.Pedidos, 77); // the report is untouched
    }
}

TEST(Livro, Limites) {
    for (int n = 1; n <= 35; ++n) EXPECT_EQ(LimiteDeTresLetras(n), 5);
    for (int n = 36; n <= 41; ++n) EXPECT_EQ(LimiteDeTresLetras(n), 6);
    for (int n = 96; n <= 100; ++n) EXPECT_EQ(LimiteDeTresLetras(n), 16);
    EXPECT_EQ(MaxPalavrasPartilhadas(36), 9);
    EXPECT_EQ(MaxPalavrasPartilhadas(3), 1);
    EXPECT_EQ(MaxPalavrasPartilhadas(0), 1);
}

TEST(Livro, CancelarNoPrimeiroPuzzle) {
    std::vector<TChamada> chamadas;
    TRelatorioLivro rel;
    const auto puzzles = GerarLivro(vorleta::teste::DicionarioEmbutido(), Pedido(11, 5, 3),
                                    [&](int a, int t, bool& cancelar) {
                                        chamadas.push_back({a, t});
                                        cancelar = true;
                                    },
                                    rel);
    EXPECT_TRUE(puzzles.empty());
    EXPECT_TRUE(rel.Cancelado);
    EXPECT_EQ(rel.Gerados, 0);
    EXPECT_EQ(rel.Pedidos, 5);
    EXPECT_TRUE(rel.Falhas.empty());
    ASSERT_EQ(chamadas.size(), 1u); // no final call after a cancel
    EXPECT_EQ(chamadas[0].Atual, 0);
}

TEST(Livro, CancelarDuranteOSegundoPuzzleDescartaOQueCorria) {
    TRelatorioLivro rel;
    int chamadas = 0;
    const auto puzzles = GerarLivro(vorleta::teste::DicionarioEmbutido(), Pedido(9, 5, 8),
                                    [&](int atual, int, bool& cancelar) {
                                        ++chamadas;
                                        if (atual == 1) cancelar = true;
                                    },
                                    rel);
    EXPECT_TRUE(rel.Cancelado);
    EXPECT_EQ(puzzles.size(), 1u);
    EXPECT_EQ(rel.Gerados, 1);
}

TEST(Livro, LivroCompletoComChamadaFinalESemRepeticoes) {
    const TDicionario& dic = vorleta::teste::DicionarioEmbutido();
    std::vector<TChamada> chamadas;
    TRelatorioLivro rel;
    const auto puzzles =
        GerarLivro(dic, Pedido(9, 8, 2024), [&](int a, int t, bool&) { chamadas.push_back({a, t}); }, rel);
    ASSERT_EQ(puzzles.size(), 8u);
    EXPECT_EQ(rel.Gerados, 8);
    EXPECT_FALSE(rel.Cancelado);
    EXPECT_TRUE(rel.Falhas.empty());
    ASSERT_FALSE(chamadas.empty());
    EXPECT_EQ(chamadas.back().Atual, 8);
    EXPECT_EQ(chamadas.back().Total, 8);
    std::map<std::string, int> usos;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        vorleta::teste::VerificarPuzzle(puzzles[i], dic, true);
        for (const auto& w : puzzles[i].Palavras) ++usos[w.Grelha];
        // No pattern repeats, in any rotation or reflection, within four puzzles.
        const std::string chave = ChaveDoPadrao(PretasDoPuzzle(puzzles[i]), 9);
        for (std::size_t j = i >= 4 ? i - 4 : 0; j < i; ++j)
            EXPECT_NE(chave, ChaveDoPadrao(PretasDoPuzzle(puzzles[j]), 9)) << i << " " << j;
        // Words shared with every earlier puzzle stay within the allowance.
        for (std::size_t j = 0; j < i; ++j) {
            std::multiset<std::string> destas;
            for (const auto& w : puzzles[j].Palavras) destas.insert(w.Grelha);
            int partilhadas = 0;
            for (const auto& w : puzzles[i].Palavras) partilhadas += static_cast<int>(destas.count(w.Grelha));
            const int menor = static_cast<int>(std::min(puzzles[i].Palavras.size(), puzzles[j].Palavras.size()));
            EXPECT_LE(partilhadas, MaxPalavrasPartilhadas(menor));
        }
    }
    // A three-letter word is forbidden at attempt l once it was used limit + l / 2
    // times, and a puzzle number has at most 30 attempts.
    for (const auto& [grelha, vezes] : usos) {
        if (grelha.size() == 3) {
            EXPECT_LE(vezes, LimiteDeTresLetras(8) + 14) << grelha;
        }
    }
}

TEST(Livro, MesmaSementeMesmoLivro) {
    const TDicionario& dic = vorleta::teste::DicionarioEmbutido();
    TRelatorioLivro ra, rb;
    const auto a = GerarLivro(dic, Pedido(11, 4, 777), {}, ra);
    const auto b = GerarLivro(dic, Pedido(11, 4, 777), {}, rb);
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a, b); // letters, slots, words and clues of every puzzle
}

TEST(Livro, CincoFalhasSeguidasTerminamComUmaMensagem) {
    // A dictionary without a word of the board's lengths can fill nothing.
    TRelatorioDic relDic;
    const auto pequeno = CriarDicionarioDeLinhas({"SOL|Astro", "LUA|Satélite"}, relDic);
    std::vector<TChamada> chamadas;
    TRelatorioLivro rel;
    const auto puzzles =
        GerarLivro(*pequeno, Pedido(9, 3, 5), [&](int a, int t, bool&) { chamadas.push_back({a, t}); }, rel);
    EXPECT_TRUE(puzzles.empty());
    EXPECT_EQ(rel.Gerados, 0);
    EXPECT_FALSE(rel.Cancelado);
    ASSERT_EQ(rel.Falhas.size(), 1u);
    EXPECT_EQ(rel.Falhas[0], "Puzzle 1: não foi possível gerar um puzzle");
    ASSERT_FALSE(chamadas.empty());
    EXPECT_EQ(chamadas.back().Atual, 3);
    EXPECT_EQ(chamadas.back().Total, 3);
}

TEST(Livro, SemChamadaDeProgressoCorreNormalmente) {
    TRelatorioLivro rel;
    const auto puzzles = GerarLivro(vorleta::teste::DicionarioEmbutido(), Pedido(9, 2, 1), {}, rel);
    EXPECT_EQ(puzzles.size(), 2u);
}
