#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

#include "core/recursos.hpp"
#include "grid/grelha.hpp"
#include "grid/padroes.hpp"

using namespace vorleta;
namespace fs = std::filesystem;

namespace {

const char* const PrimeiroDe9 =
    "##....###/#.......#/........#/.....#.../....#..../...#...../#......../#.......#/###....##";
const char* const PrimeiroDe15 =
    "###.....####.../#........#...../#........#...../...#...#......#/......##......#/.....##.......#/"
    "....##......###/...##.....##.../###......##..../#.......##...../#......##....../#......#...#.../"
    ".....#........#/.....#........#/...####.....###";

TPadrao DeTexto(const std::string& ATexto) {
    int lado = 0;
    return PadraoDeTexto(ATexto, lado);
}

// Runs the library without its built-in copy for the life of one test.
class SemBibliotecaEmbutida {
public:
    SemBibliotecaEmbutida() : FAnterior(SubstituirRecursos({})) { EsquecerBibliotecaDePadroes(); }
    ~SemBibliotecaEmbutida() {
        SubstituirRecursos(FAnterior);
        EsquecerBibliotecaDePadroes();
    }

private:
    std::span<const TRecurso> FAnterior;
};

} // namespace

TEST(Biblioteca, PrimeiroPadraoDeCadaLadoEValido) {
    for (int lado : {9, 11, 13, 15}) {
        const auto padroes = PadroesDaBiblioteca(lado);
        ASSERT_FALSE(padroes.empty()) << lado;
        EXPECT_EQ(ValidarPadrao(padroes[0], lado), "") << lado;
    }
    EXPECT_EQ(PadraoParaTexto(PadroesDaBiblioteca(9)[0], 9), PrimeiroDe9);
    EXPECT_EQ(PadraoParaTexto(PadroesDaBiblioteca(15)[0], 15), PrimeiroDe15);
    EXPECT_TRUE(PadroesDaBiblioteca(10).empty());
}

TEST(Biblioteca, LinhasMalFormadasSaltadas) {
    const std::string texto =
        "; comentário\r\n   ;x\n\n#.#/...\n#.#/.x./#.#\n\xEF\xBB\xBF#.#/.../#.#\r\n##./.../..#\n";
    const auto padroes = LerPadroesDoTexto(texto, 3);
    ASSERT_EQ(padroes.size(), 2u);
    EXPECT_EQ(PadraoParaTexto(padroes[0], 3), "#.#/.../#.#");
    // A well-formed but asymmetric pattern comes back unchanged: callers validate.
    EXPECT_EQ(PadraoParaTexto(padroes[1], 3), "##./.../..#");
    EXPECT_TRUE(LerPadroesDoTexto("#.#/.../#.#", 5).empty());
}

TEST(Biblioteca, EmbutidaGanhaAosFicheirosEFicheiroUsadoSemEla) {
    const fs::path anterior = fs::current_path();
    const fs::path pasta = fs::temp_directory_path() / ("vorleta-padroes-" + std::to_string(::getpid()));
    fs::create_directories(pasta);
    std::ofstream(pasta / "Padroes.txt") << "\xEF\xBB\xBF; teste\n.../.../...\n";
    fs::current_path(pasta);
    EsquecerBibliotecaDePadroes();
    EXPECT_TRUE(PadroesDaBiblioteca(3).empty()); // the built-in copy is read, not the file
    {
        SemBibliotecaEmbutida sem;
        ASSERT_EQ(PadroesDaBiblioteca(3).size(), 1u);
        EXPECT_TRUE(PadroesDaBiblioteca(9).empty());
    }
    fs::current_path(anterior);
    fs::remove_all(pasta);
    SemBibliotecaEmbutida sem;
    EXPECT_TRUE(PadroesDaBiblioteca(9).empty()); // no library at all is not an error
}

TEST(Simetrias, LeisDeGrupo) {
    const TPadrao p = DeTexto(PrimeiroDe15);
    EXPECT_EQ(TransformarPadrao(p, 15, 0), p);
    for (int s : {1, 2, 4}) EXPECT_EQ(TransformarPadrao(TransformarPadrao(p, 15, s), 15, s), p) << s;
    EXPECT_EQ(TransformarPadrao(TransformarPadrao(p, 15, 3), 15, 5), p);
    EXPECT_EQ(TransformarPadrao(p, 15, 6), p); // valid patterns are half-turn symmetric
    for (int s = 0; s < 8; ++s) EXPECT_EQ(ValidarPadrao(TransformarPadrao(p, 15, s), 15), "") << s;
}

TEST(Simetrias, TabelaDeOrigens) {
    // On a 3 x 3 board with one marked cell at (0, 1), find where each symmetry takes it.
    const TPadrao p = DeTexto(".#./.../...");
    EXPECT_EQ(PadraoParaTexto(TransformarPadrao(p, 3, 1), 3), ".../#../...");
    EXPECT_EQ(PadraoParaTexto(TransformarPadrao(p, 3, 3), 3), ".../#../...");
    EXPECT_EQ(PadraoParaTexto(TransformarPadrao(p, 3, 5), 3), ".../..#/...");
    EXPECT_EQ(PadraoParaTexto(TransformarPadrao(p, 3, 4), 3), ".../.../.#.");
    const TPadrao q = DeTexto("#../.../...");
    EXPECT_EQ(PadraoParaTexto(TransformarPadrao(q, 3, 3), 3), ".../.../#.."); // 90 degrees anticlockwise
    EXPECT_EQ(PadraoParaTexto(TransformarPadrao(q, 3, 5), 3), "..#/.../..."); // 90 degrees clockwise
    EXPECT_EQ(PadraoParaTexto(TransformarPadrao(q, 3, 7), 3), ".../.../..#");
}

TEST(Simetrias, ChaveIgualNasOitoImagensEDiferenteEntreOutros) {
    std::set<std::string> chaves;
    for (int lado : {9, 11, 13, 15}) {
        const TPadrao p = PadroesDaBiblioteca(lado)[0];
        const std::string chave = ChaveDoPadrao(p, lado);
        for (int s = 0; s < 8; ++s) EXPECT_EQ(ChaveDoPadrao(TransformarPadrao(p, lado, s), lado), chave);
        chaves.insert(chave);
    }
    TGeradorAleatorio g(3);
    for (int i = 0; i < 20; ++i) chaves.insert(ChaveDoPadrao(GerarPadrao(9, g, 0.25, 0.5), 9));
    EXPECT_GT(chaves.size(), 20u);
    const TPadrao a = DeTexto("#...#/...../...../...../#...#");
    const TPadrao b = DeTexto("..#../...../#...#/...../..#..");
    EXPECT_NE(ChaveDoPadrao(a, 5), ChaveDoPadrao(b, 5));
    EXPECT_EQ(ChaveDoPadrao(a, 5), "#...#/...../...../...../#...#");
}
