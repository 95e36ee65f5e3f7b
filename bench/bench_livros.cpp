// Whole books with fixed seeds: a 30-puzzle book of every side and a
// 100-puzzle book of 15 x 15 with its PDF. Prints one table row per book:
// total time, the median and 90th percentile of the time per puzzle (from the
// run's timing log), the number of puzzles made, how many came from the
// library and how many from fresh patterns, and the failure count.
//
//   vorleta-bench-livros [SEMENTE]
//   vorleta-bench-livros --cem SEMENTE...   100-puzzle books of every side

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "book/livro.hpp"
#include "book/tempos.hpp"
#include "core/ficheiros.hpp"
#include "core/recursos.hpp"
#include "core/texto.hpp"
#include "pdf/pdf.hpp"

using namespace vorleta;

namespace {

struct TMedida {
    double TotalS = 0;
    long long Mediana = 0, P90 = 0;
    int Gerados = 0, Pedidos = 0, Falhas = 0;
    int DaBiblioteca = 0, Frescos = 0;
};

// The median and p90 per puzzle, read back from the timing log.
void LerTempos(const std::string& ACaminho, TMedida& AMedida) {
    std::vector<long long> tempos;
    for (const std::string& linha : Dividir(LerFicheiro(ACaminho), "\r\n")) {
        if (linha.rfind("Puzzle ", 0) != 0) continue;
        const auto ms = linha.find(" ms |");
        const auto inicio = linha.rfind(' ', ms - 1);
        tempos.push_back(std::stoll(linha.substr(inicio + 1, ms - inicio - 1)));
        // The accepted attempt's library trace ends with "+" when a library
        // pattern made the puzzle.
        const auto ok = linha.find(" OK lib=");
        if (ok == std::string::npos) continue;
        const auto fim = linha.find(']', ok);
        (linha[fim - 1] == '+' ? AMedida.DaBiblioteca : AMedida.Frescos)++;
    }
    if (tempos.empty()) return;
    std::sort(tempos.begin(), tempos.end());
    AMedida.Mediana = tempos[tempos.size() / 2];
    AMedida.P90 = tempos[tempos.size() * 9 / 10];
}

TMedida Livro(const TDicionario& ADic, int ALado, int ANum, std::uint32_t ASemente, std::vector<TPuzzle>* APuzzles) {
    const std::string registo = "/tmp/vorleta-bench-tempos.txt";
    RegistarTempos = true;
    FicheiroDeTempos = registo;
    TRelatorioLivro rel;
    const auto t0 = std::chrono::steady_clock::now();
    auto puzzles = GerarLivro(ADic, TConfigLivro{ANum, ALado, "", ASemente}, {}, rel);
    TMedida m;
    m.TotalS = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    m.Gerados = rel.Gerados;
    m.Pedidos = rel.Pedidos;
    m.Falhas = static_cast<int>(rel.Falhas.size());
    LerTempos(registo, m);
    if (APuzzles) *APuzzles = std::move(puzzles);
    RegistarTempos = false;
    return m;
}

} // namespace

void Linha(const char* ANome, int ALado, std::uint32_t ASemente, const TMedida& m) {
    std::printf("| %s %dx%d | %u | %.1f s | %lld ms | %lld ms | %d/%d | %d | %d | %d |\n", ANome, ALado, ALado, ASemente,
                m.TotalS, m.Mediana, m.P90, m.Gerados, m.Pedidos, m.DaBiblioteca, m.Frescos, m.Falhas);
    std::fflush(stdout);
}

int main(int argc, char** argv) {
    TRelatorioDic relDic;
    const auto dic = CarregarDicionario(PastaDoPrograma(), relDic);
    std::printf("| livro | semente | tempo total | mediana por puzzle | p90 por puzzle | puzzles | da biblioteca | "
                "frescos | falhas |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    if (argc > 1 && std::string(argv[1]) == "--cem") {
        for (const int lado : {9, 11, 13, 15})
            for (int i = 2; i < argc; ++i) {
                const auto semente = static_cast<std::uint32_t>(std::stoul(argv[i]));
                Linha("100 puzzles", lado, semente, Livro(*dic, lado, 100, semente, nullptr));
            }
        return 0;
    }
    const std::uint32_t semente = argc > 1 ? static_cast<std::uint32_t>(std::stoul(argv[1])) : 20261209u;
    for (const int lado : {9, 11, 13, 15}) Linha("30 puzzles", lado, semente, Livro(*dic, lado, 30, semente, nullptr));
    std::vector<TPuzzle> puzzles;
    Linha("100 puzzles", 15, semente, Livro(*dic, 15, 100, semente, &puzzles));
    TDadosLivro livro;
    livro.Config = TConfigLivro{100, 15, "Banco de ensaio", semente};
    livro.Puzzles = puzzles;
    const auto t0 = std::chrono::steady_clock::now();
    const std::string pdf = LivroEmPdf(livro);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("\n| PDF do livro de 100 puzzles 15x15 | %.2f s | %.2f MB | %d páginas |\n", s,
                static_cast<double>(pdf.size()) / 1e6, NumPaginasDoLivro(static_cast<int>(puzzles.size())));
    return 0;
}
