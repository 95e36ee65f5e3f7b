#include <gtest/gtest.h>

#include "app/opcoes.hpp"

using namespace vorleta;

TEST(Analise, RegrasPorOrdem) {
    struct Caso {
        int lado, num;
        std::string titulo, motivo;
    };
    const std::string entre = "Indique um número de puzzles entre 1 e 100.";
    const std::string longo = "O título do livro não pode ter mais de 40 caracteres.";
    const Caso casos[] = {
        {10, 0, "", "Escolha o tamanho do tabuleiro."},
        {11, 0, "", entre},
        {11, 101, "", entre},
        {11, 1, "", ""},
        {15, 100, "", ""},
        {9, 30, "   " + std::string(40, 'a') + "  ", ""},
        {9, 30, std::string(41, 'a'), longo},
        {9, 30, [] { std::string s; for (int i = 0; i < 40; ++i) s += "ç"; return s; }(), ""},
        {9, 30, [] { std::string s; for (int i = 0; i < 41; ++i) s += "ç"; return s; }(), longo},
        // An emoji counts as two code units.
        {9, 30, std::string(38, 'a') + "\xF0\x9F\x98\x80", ""},
        {9, 30, std::string(39, 'a') + "\xF0\x9F\x98\x80", longo},
    };
    for (const Caso& c : casos) {
        const TAnalise a = AnalisarOpcoes(TConfigLivro{c.num, c.lado, c.titulo, 0});
        EXPECT_EQ(a.Motivo, c.motivo) << c.lado << " " << c.num << " " << c.titulo;
        EXPECT_EQ(a.PodeGerar, c.motivo.empty());
    }
}

TEST(Textos, Exatos) {
    EXPECT_EQ(TextoDeContagem(1, "página", "páginas"), "1 página");
    EXPECT_EQ(TextoDeContagem(0, "página", "páginas"), "0 páginas");
    EXPECT_EQ(TextoDeContagem(-2, "página", "páginas"), "-2 páginas");
    EXPECT_EQ(ResumoDasOpcoes(TConfigLivro{1, 9, "", 0}), "1 puzzle \u00B7 9 \u00D7 9");
    EXPECT_EQ(ResumoDasOpcoes(TConfigLivro{30, 11, "", 0}), "30 puzzles \u00B7 11 \u00D7 11");
    EXPECT_EQ(NomeDoFicheiro(15, 100), "Vorleta_15x15_100.pdf");
    EXPECT_EQ(TextoDeProgresso(0, 30), "A gerar o puzzle 1 de 30\u2026");
    // Found by fuzzing: the largest index once overflowed when one was added.
    EXPECT_EQ(TextoDeProgresso(2147483647, 12), "A gerar o puzzle 2147483648 de 12\u2026");
    EXPECT_EQ(TextoDeCancelamento(7, 30), "Geração cancelada aos 7 de 30 puzzles. Nada foi gravado.");
    EXPECT_EQ(TextoDeConclusao(30, 43), "Livro gerado: 30 puzzles, 43 páginas.");
    EXPECT_EQ(TextoDeConclusao(1, 6), "Livro gerado: 1 puzzle, 6 páginas.");
    EXPECT_EQ(PerguntaDeSaida(), "Está a ser gerado um livro. Cancelar e sair?");
}

TEST(Textos, Falhas) {
    TRelatorioLivro r;
    r.Pedidos = 30;
    r.Gerados = 12;
    EXPECT_EQ(TextoDeFalhas(r), "");
    r.Falhas = {"Puzzle 13: não foi possível gerar um puzzle"};
    EXPECT_EQ(TextoDeFalhas(r), "O livro tem 12 dos 30 puzzles pedidos.\r\nPuzzle 13: não foi possível gerar um puzzle");
    r.Falhas = {"a", "b", "c", "d", "e", "f", "g"};
    EXPECT_EQ(TextoDeFalhas(r), "O livro tem 12 dos 30 puzzles pedidos.\r\na\r\nb\r\nc\r\nd\r\ne\r\n\u2026 e mais 2.");
}
