#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/ficheiros.hpp"

using namespace vorleta;
namespace fs = std::filesystem;

namespace {

struct TResultado {
    int Codigo = -1;
    std::string Saida; // standard output and error together
};

TResultado Correr(const std::string& AArgumentos, const std::string& AAmbiente = "") {
    TResultado r;
    const std::string comando = AAmbiente + " '" VORLETA_LIVRO "' " + AArgumentos + " 2>&1";
    FILE* f = popen(comando.c_str(), "r");
    if (!f) return r;
    char bloco[4096];
    std::size_t n;
    while ((n = fread(bloco, 1, sizeof bloco, f)) > 0) r.Saida.append(bloco, n);
    const int estado = pclose(f);
    r.Codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
    return r;
}

class LivroCli : public ::testing::Test {
protected:
    void SetUp() override {
        FPasta = fs::temp_directory_path() / ("vorleta-cli-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(FPasta);
    }
    void TearDown() override { fs::remove_all(FPasta); }
    std::string Caminho(const std::string& ANome) const { return (FPasta / ANome).string(); }
    fs::path FPasta;
};

} // namespace

TEST_F(LivroCli, PedidoInvalidoEUsoErrado) {
    const TResultado titulo = Correr("-T " + std::string(41, 'a') + " -o " + Caminho("x.pdf"));
    EXPECT_EQ(titulo.Codigo, 2);
    EXPECT_NE(titulo.Saida.find("O título do livro não pode ter mais de 40 caracteres."), std::string::npos);
    const TResultado tamanho = Correr("-t 10");
    EXPECT_EQ(tamanho.Codigo, 2);
    EXPECT_NE(tamanho.Saida.find("Escolha o tamanho do tabuleiro."), std::string::npos);
    const TResultado numero = Correr("-n 0");
    EXPECT_EQ(numero.Codigo, 2);
    EXPECT_NE(numero.Saida.find("Indique um número de puzzles entre 1 e 100."), std::string::npos);
    for (const char* errado : {"--desconhecida", "-n abc", "-s -1", "-s 4294967296", "-t"}) {
        const TResultado r = Correr(errado);
        EXPECT_EQ(r.Codigo, 2) << errado;
        EXPECT_NE(r.Saida.find("Uso: vorleta-livro"), std::string::npos) << errado;
    }
    EXPECT_FALSE(fs::exists(Caminho("x.pdf")));
    EXPECT_EQ(Correr("--ajuda").Codigo, 0);
    EXPECT_EQ(Correr("--versao").Codigo, 0);
}

TEST_F(LivroCli, MesmaSementeMesmoFicheiro) {
    const std::string a = Caminho("a.pdf"), b = Caminho("b.pdf");
    const TResultado ra = Correr("-t 11 -n 2 -s 123 -q -o " + a, "SOURCE_DATE_EPOCH=1700000000");
    ASSERT_EQ(ra.Codigo, 0) << ra.Saida;
    EXPECT_NE(ra.Saida.find("Semente: 123"), std::string::npos);
    EXPECT_NE(ra.Saida.find("Livro gerado: 2 puzzles, 8 páginas."), std::string::npos);
    EXPECT_EQ(ra.Saida.find("A gerar"), std::string::npos); // silent: no progress
    const TResultado rb = Correr("--tamanho 11 --puzzles 2 --semente 123 --saida " + b, "SOURCE_DATE_EPOCH=1700000000");
    ASSERT_EQ(rb.Codigo, 0) << rb.Saida;
    EXPECT_NE(rb.Saida.find("A gerar o puzzle 1 de 2\u2026"), std::string::npos); // plain lines when not a terminal
    EXPECT_EQ(LerFicheiro(a), LerFicheiro(b));
}

TEST_F(LivroCli, DicionarioProprioETempos) {
    const std::string dic = Caminho("dic.txt");
    std::ofstream(dic) << "SOL|Astro\nLUA|Satélite\nBEM-VINDO|Saudação\n";
    const TResultado r = Correr("-t 9 -n 1 -s 1 -q --dicionario " + dic + " --tempos " + Caminho("t.txt") + " -o " +
                                Caminho("l.pdf"));
    EXPECT_EQ(r.Codigo, 1) << r.Saida;
    EXPECT_NE(r.Saida.find("2 palavras aceites"), std::string::npos) << r.Saida;
    EXPECT_NE(r.Saida.find("linha 3: «BEM-VINDO» - tem algo que não é letra"), std::string::npos);
    EXPECT_NE(r.Saida.find("Não foi possível gerar nenhum puzzle."), std::string::npos);
    EXPECT_FALSE(fs::exists(Caminho("l.pdf")));
    EXPECT_NE(LerFicheiro(Caminho("t.txt")).find("Vorleta - tempos do livro: 9x9, 1 puzzles pedidos, semente 1"),
              std::string::npos);
    const TResultado falta = Correr("--dicionario /nao/existe.txt -q -o " + Caminho("l.pdf"));
    EXPECT_EQ(falta.Codigo, 1);
    EXPECT_NE(falta.Saida.find("Dicionário não encontrado: /nao/existe.txt"), std::string::npos);
}

TEST_F(LivroCli, CtrlCCancelaSemGravar) {
    const std::string saida = Caminho("c.pdf");
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        execl(VORLETA_LIVRO, VORLETA_LIVRO, "-t", "15", "-n", "100", "-q", "-o", saida.c_str(), nullptr);
        _exit(127);
    }
    usleep(1500 * 1000);
    kill(filho, SIGINT);
    int estado = 0;
    waitpid(filho, &estado, 0);
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), 130);
    EXPECT_FALSE(fs::exists(saida));
}
