#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "book/livro.hpp"
#include "book/tempos.hpp"
#include "comum/invariantes.hpp"
#include "core/ficheiros.hpp"
#include "core/texto.hpp"

using namespace vorleta;

namespace {

std::vector<std::string> Linhas(const std::string& ATexto) { return Dividir(ATexto, "\r\n"); }

std::string Estatisticas(const std::vector<std::int64_t>& ATempos, std::int64_t ADescartado) {
    TConfigLivro c{30, 11, "", 123};
    const TDicionario dic;
    return Linhas(TextoDosTempos({}, ATempos, ADescartado, 999, c, dic, 4, OpcoesGeradorParaLado(0)))[2];
}

} // namespace

TEST(Tempos, CabecalhoSemPuzzles) {
    TConfigLivro c{30, 11, "", 123};
    const TDicionario dic;
    const TOpcoesGerador opc = OpcoesGeradorParaLado(11);
    const std::string texto = TextoDosTempos({}, {}, 0, 5, c, dic, 200, opc);
    EXPECT_EQ(texto,
              "Vorleta - tempos do livro: 11x11, 30 puzzles pedidos, semente 123\r\n"
              "Dicionario: 0 palavras | biblioteca: 200 padroes (x 4 variantes) | MaxBiblioteca 30 | LimiteNos 3000 | "
              "Tentativas 2 | Ramo 10\r\n\r\n");
}

TEST(Tempos, Estatisticas) {
    EXPECT_EQ(Estatisticas({250}, 0),
              "Total 999 ms | por puzzle: media 250, mediana 250, p90 250, maximo 250 ms | puzzles com mais de 5x a "
              "mediana: 0 | tempo em tentativas descartadas: 0 ms (0 %)");
    EXPECT_EQ(Estatisticas({100, 200, 300, 4000}, 460),
              "Total 999 ms | por puzzle: media 1150, mediana 300, p90 4000, maximo 4000 ms | puzzles com mais de 5x a "
              "mediana: 1 | tempo em tentativas descartadas: 460 ms (10 %)");
    EXPECT_EQ(Estatisticas({10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 0).substr(0, 60),
              "Total 999 ms | por puzzle: media 6, mediana 6, p90 10, maxim");
    EXPECT_EQ(Estatisticas({0, 0}, 0),
              "Total 999 ms | por puzzle: media 0, mediana 0, p90 0, maximo 0 ms | puzzles com mais de 5x a mediana: 0 | "
              "tempo em tentativas descartadas: 0 ms (0 %)");
}

TEST(Tempos, LivroComRegistoLigado) {
    const std::string caminho =
        (std::filesystem::temp_directory_path() / ("vorleta-tempos-" + std::to_string(::getpid()) + ".txt")).string();
    RegistarTempos = true;
    FicheiroDeTempos = caminho;
    TRelatorioLivro rel;
    GerarLivro(vorleta::teste::DicionarioEmbutido(), TConfigLivro{2, 9, "", 5}, {}, rel);
    RegistarTempos = false;
    FicheiroDeTempos.clear();
    const std::string texto = LerFicheiro(caminho);
    std::filesystem::remove(caminho);
    ASSERT_EQ(texto.substr(0, 3), "\xEF\xBB\xBF");
    const auto linhas = Linhas(texto.substr(3));
    EXPECT_EQ(linhas[0], "Vorleta - tempos do livro: 9x9, 2 puzzles pedidos, semente 5");
    EXPECT_EQ(linhas[3], "");
    EXPECT_EQ(linhas[4].substr(0, 17), "Puzzle   1 ok    ");
    EXPECT_NE(linhas[4].find(" OK lib="), std::string::npos);
    EXPECT_EQ(linhas[5].substr(0, 17), "Puzzle   2 ok    ");
    EXPECT_EQ(linhas.back(), ""); // the last line ends with CR LF too
}

TEST(Tempos, FalhaAGravarNaoLevantaErro) {
    RegistarTempos = true;
    FicheiroDeTempos = "/nao/existe/Vorleta_tempos.txt";
    TRelatorioLivro rel;
    EXPECT_NO_THROW(GerarLivro(vorleta::teste::DicionarioEmbutido(), TConfigLivro{1, 9, "", 5}, {}, rel));
    RegistarTempos = false;
    FicheiroDeTempos.clear();
    EXPECT_EQ(rel.Gerados, 1);
}
