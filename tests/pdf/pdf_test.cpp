#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/ficheiros.hpp"
#include "grid/grelha.hpp"
#include "pdf/pdf.hpp"

using namespace vorleta;
namespace fs = std::filesystem;

namespace {

// The example board with accented words and clues.
TPuzzle PuzzleComAcentos() {
    TPuzzle p;
    p.Lado = 5;
    p.Letras = "#O#M#ERRARIDEIASEIOS#M#R#";
    TPadrao pretas(25);
    for (std::size_t i = 0; i < 25; ++i) pretas[i] = p.Letras[i] == '#';
    p.Ranhuras = ExtrairRanhuras(pretas, 5);
    const char* pistas[] = {"Cometer um engano", "Noção, pensamento", "Órgãos do peito", "Sequência, disposição",
                            "Aspirar o ar", "Água de rio"};
    for (std::size_t s = 0; s < p.Ranhuras.size(); ++s) {
        std::string grelha;
        for (int j = 0; j < p.Ranhuras[s].Comprimento; ++j)
            grelha += p.Letras[static_cast<std::size_t>(CasaDaRanhura(p.Ranhuras[s], j, 5))];
        p.Palavras.push_back({grelha == "IDEIA" ? "IDÉIA" : grelha, grelha, static_cast<int>(s), pistas[s % 6]});
    }
    return p;
}

TDadosLivro Livro(int ANumPuzzles) {
    TDadosLivro livro;
    livro.Config = {ANumPuzzles, 9, "Livro de teste", 1};
    livro.Puzzles.assign(static_cast<std::size_t>(ANumPuzzles), PuzzleComAcentos());
    return livro;
}

std::string Executar(const std::string& AComando) {
    std::string saida;
    FILE* f = popen(AComando.c_str(), "r");
    if (!f) return saida;
    char bloco[4096];
    std::size_t n;
    while ((n = fread(bloco, 1, sizeof bloco, f)) > 0) saida.append(bloco, n);
    pclose(f);
    return saida;
}

fs::path Pasta() {
    fs::path p = fs::temp_directory_path() / ("vorleta-pdf-" + std::to_string(::getpid()));
    fs::create_directories(p);
    return p;
}

int ContarFicheiros(const fs::path& APasta) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(APasta)) ++n;
    return n;
}

} // namespace

TEST(LivroPdf, PaginasFontesEMetadados) {
    const fs::path pasta = Pasta();
    for (const int n : {1, 30}) {
        const std::string caminho = (pasta / ("livro" + std::to_string(n) + ".pdf")).string();
        GravarLivroPdf(caminho, Livro(n));
        const std::string info = Executar("pdfinfo '" + caminho + "'");
        EXPECT_NE(info.find(n == 1 ? "Pages:           6" : "Pages:           43"), std::string::npos) << info;
        EXPECT_NE(info.find("Title:           Vorleta"), std::string::npos);
        EXPECT_NE(info.find("Author:          Narvelo"), std::string::npos);
        const std::string tamanhos = Executar("pdfinfo -f 1 -l 100 '" + caminho + "' | grep -o 'size: .* pts.*' | sort -u");
        EXPECT_EQ(tamanhos, "size:  595 x 842 pts (A4)\n"); // every page the same A4 size
        // Every font is embedded: the "emb" column says yes on every line.
        const std::string fontes = Executar("pdffonts '" + caminho + "' | tail -n +3");
        EXPECT_FALSE(fontes.empty());
        EXPECT_EQ(fontes.find(" no "), std::string::npos) << fontes;
        const std::string texto = Executar("pdftotext -enc UTF-8 '" + caminho + "' -");
        for (const char* procurado : {"Horizontais", "Verticais", "Soluções", "Puzzles", "Como jogar Vorleta",
                                      "Noção, pensamento", "Água de rio", "AÇÚCAR", "Livro de teste", "VORLETA"})
            EXPECT_NE(texto.find(procurado), std::string::npos) << procurado;
    }
    fs::remove_all(pasta);
}

TEST(LivroPdf, LivroVazioRecusadoSemTocarNoFicheiro) {
    const fs::path pasta = Pasta();
    const std::string caminho = (pasta / "existente.pdf").string();
    std::ofstream(caminho) << "conteúdo antigo";
    try {
        GravarLivroPdf(caminho, Livro(0));
        FAIL();
    } catch (const EVorleta& e) {
        EXPECT_STREQ(e.what(), "Não há puzzles para gravar.");
    }
    EXPECT_EQ(LerFicheiro(caminho), "conteúdo antigo");
    fs::remove_all(pasta);
}

TEST(LivroPdf, PastaInexistente) {
    try {
        GravarLivroPdf("/nao/existe/livro.pdf", Livro(1));
        FAIL();
    } catch (const EVorleta& e) {
        EXPECT_STREQ(e.what(), "Não foi possível gravar o ficheiro «/nao/existe/livro.pdf»: a pasta não existe.");
    }
}

TEST(LivroPdf, EscritaQueFalhaAMeioDeixaOFicheiroAntigo) {
    const fs::path pasta = Pasta();
    const std::string caminho = (pasta / "livro.pdf").string();
    const std::string antigo(5000, 'x');
    std::ofstream(caminho) << antigo;
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        // Writes beyond 20000 bytes fail like a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite{20000, 20000};
        setrlimit(RLIMIT_FSIZE, &limite);
        try {
            GravarLivroPdf(caminho, Livro(3));
        } catch (const EVorleta& e) {
            const std::string esperado = "Não foi possível gravar o ficheiro «" + caminho +
                                         "»: o ficheiro excede o tamanho máximo permitido.";
            _exit(e.what() == esperado ? 0 : 2);
        }
        _exit(1);
    }
    int estado = 0;
    waitpid(filho, &estado, 0);
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), 0);
    EXPECT_EQ(LerFicheiro(caminho), antigo);
    EXPECT_EQ(ContarFicheiros(pasta), 1); // no temporary file left behind
    fs::remove_all(pasta);
}

TEST(LivroPdf, TituloComControlosEEmoji) {
    TDadosLivro livro = Livro(1);
    livro.Config.Titulo = "\t Férias\x01 \xF0\x9F\x98\x80 no \x7F" "campo\xFF ";
    const fs::path pasta = Pasta();
    const std::string caminho = (pasta / "titulo.pdf").string();
    GravarLivroPdf(caminho, livro);
    const std::string texto = Executar("pdftotext -enc UTF-8 -f 1 -l 1 '" + caminho + "' -");
    EXPECT_NE(texto.find("Férias"), std::string::npos) << texto;
    EXPECT_NE(texto.find("campo"), std::string::npos) << texto;
    EXPECT_EQ(texto.find('\x01'), std::string::npos);
    fs::remove_all(pasta);
}

TEST(LivroPdf, MesmasDatasMesmosBytes) {
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const std::string a = LivroEmPdf(Livro(2));
    const std::string b = LivroEmPdf(Livro(2));
    unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(a, b);
}
