// Hostile data and interruptions at the level of a whole book.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "book/livro.hpp"
#include "comum/invariantes.hpp"
#include "core/recursos.hpp"
#include "dictionary/descodificacao.hpp"
#include "grid/padroes.hpp"

using namespace vorleta;

TEST(Resistencia, SemPalavrasComunsDesisteComAMensagem) {
    // The built-in word list with every section marked rare: no common word of any length.
    const auto texto = ProcurarRecurso("DICIONARIO");
    ASSERT_TRUE(texto.has_value());
    std::vector<std::string> linhas = DividirLinhas(TextoDeBytes(*texto));
    for (std::string& l : linhas)
        if (l.rfind("#SECCAO", 0) == 0) l = "#SECCAO RARAS";
    TRelatorioDic rel;
    const auto dic = CriarDicionarioDeLinhas(linhas, rel);
    ASSERT_EQ(dic->TotalComuns(), 0);
    int chamadas = 0;
    TRelatorioLivro relatorio;
    const auto puzzles =
        GerarLivro(*dic, TConfigLivro{3, 9, "", 4}, [&](int, int, bool&) { ++chamadas; }, relatorio);
    EXPECT_TRUE(puzzles.empty());
    ASSERT_EQ(relatorio.Falhas.size(), 1u);
    EXPECT_EQ(relatorio.Falhas[0], "Puzzle 1: não foi possível gerar um puzzle");
    EXPECT_GT(chamadas, 5);
}

TEST(Resistencia, BibliotecaSoComLinhasMalFormadasUsaPadroesNovos) {
    // Without the built-in library, a Padroes.txt of malformed lines only gives
    // no pattern at all; books are made from fresh patterns.
    std::vector<TRecurso> semPadroes;
    for (const TRecurso& r : RecursosOriginais())
        if (std::string(r.Nome) != "PADROES") semPadroes.push_back(r);
    const auto anterior = SubstituirRecursos(semPadroes);
    EsquecerBibliotecaDePadroes();
    const std::filesystem::path pasta =
        std::filesystem::temp_directory_path() / ("vorleta-resistencia-" + std::to_string(::getpid()));
    std::filesystem::create_directories(pasta);
    std::ofstream(pasta / "Padroes.txt") << "; só lixo\n#x#/.../#.#\n##/#\n...#.\n\xFF\xFE\n";
    const auto antes = std::filesystem::current_path();
    std::filesystem::current_path(pasta);
    for (int lado : {9, 11, 13, 15}) EXPECT_TRUE(PadroesDaBiblioteca(lado).empty());
    TRelatorioLivro relatorio;
    const auto puzzles = GerarLivro(vorleta::teste::DicionarioEmbutido(), TConfigLivro{2, 11, "", 9}, {}, relatorio);
    EXPECT_EQ(puzzles.size(), 2u);
    EXPECT_TRUE(relatorio.Falhas.empty());
    std::filesystem::current_path(antes);
    std::filesystem::remove_all(pasta);
    SubstituirRecursos(anterior);
    EsquecerBibliotecaDePadroes();
}

TEST(Resistencia, CancelarUmLivroDeCemPuzzlesDe15EmVariosPontos) {
    for (const int em : {0, 1, 7, 25}) {
        TRelatorioLivro relatorio;
        int ultima = -1;
        const auto puzzles = GerarLivro(vorleta::teste::DicionarioEmbutido(), TConfigLivro{100, 15, "", 31},
                                        [&](int atual, int, bool& cancelar) {
                                            ultima = atual;
                                            if (atual >= em) cancelar = true;
                                        },
                                        relatorio);
        EXPECT_TRUE(relatorio.Cancelado) << em;
        EXPECT_EQ(relatorio.Gerados, em);
        EXPECT_EQ(static_cast<int>(puzzles.size()), em);
        EXPECT_EQ(ultima, em); // no final call after a cancel
        EXPECT_TRUE(relatorio.Falhas.empty());
    }
}
