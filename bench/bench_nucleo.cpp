// Benchmarks of the core steps: loading and indexing the word list, pattern
// generation and keys, fills and single puzzles per board side.

#include <benchmark/benchmark.h>

#include "core/recursos.hpp"
#include "dictionary/dicionario.hpp"
#include "filler/resolvedor.hpp"
#include "generator/gerador.hpp"
#include "generator/opcoes_gerador.hpp"
#include "grid/grelha.hpp"
#include "grid/padroes.hpp"

using namespace vorleta;

namespace {

const TDicionario& Dicionario() {
    static const auto dic = [] {
        TRelatorioDic rel;
        return CarregarDicionario(PastaDoPrograma(), rel);
    }();
    return *dic;
}

void CarregarEIndexar(benchmark::State& estado) {
    for (auto _ : estado) {
        TRelatorioDic rel;
        auto dic = CarregarDicionario(PastaDoPrograma(), rel);
        benchmark::DoNotOptimize(dic->Total());
    }
}
BENCHMARK(CarregarEIndexar)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void PadraoNovo(benchmark::State& estado) {
    const int lado = static_cast<int>(estado.range(0));
    const TOpcoesGerador opc = OpcoesGeradorParaLado(lado);
    TGeradorAleatorio g(1);
    for (auto _ : estado) benchmark::DoNotOptimize(GerarPadrao(lado, g, opc.Densidade, opc.ProbEvitarCurtas));
}
BENCHMARK(PadraoNovo)->DenseRange(9, 15, 2)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void Chave(benchmark::State& estado) {
    const int lado = static_cast<int>(estado.range(0));
    const TPadrao padrao = PadroesDaBiblioteca(lado)[0];
    for (auto _ : estado) benchmark::DoNotOptimize(ChaveDoPadrao(padrao, lado));
}
BENCHMARK(Chave)->DenseRange(9, 15, 2)->Unit(benchmark::kMicrosecond);

// Fills of fresh patterns made by GerarPadrao with each side's default
// options: fills per second, the share that succeeds and nodes per second.
void Preenchimento(benchmark::State& estado) {
    const int lado = static_cast<int>(estado.range(0));
    const TOpcoesGerador opc = OpcoesGeradorParaLado(lado);
    TGeradorAleatorio g(7);
    std::vector<TPadrao> padroes;
    while (padroes.size() < 200) {
        TPadrao p = GerarPadrao(lado, g, opc.Densidade, opc.ProbEvitarCurtas);
        if (ValidarPadrao(p, lado).empty()) padroes.push_back(std::move(p));
    }
    std::size_t i = 0;
    long long sucessos = 0, tentativas = 0, nos = 0;
    for (auto _ : estado) {
        TGeradorAleatorio gp(static_cast<std::uint32_t>(i));
        TPreenchedor preenchedor(Dicionario(), padroes[i++ % padroes.size()], lado, gp, opc.Preenchimento);
        sucessos += preenchedor.Correr();
        nos += preenchedor.NosTotais();
        ++tentativas;
    }
    estado.counters["sucesso"] = static_cast<double>(sucessos) / static_cast<double>(tentativas);
    estado.counters["preenchimentos/s"] = benchmark::Counter(static_cast<double>(tentativas), benchmark::Counter::kIsRate);
    estado.counters["nos/s"] = benchmark::Counter(static_cast<double>(nos), benchmark::Counter::kIsRate);
}
BENCHMARK(Preenchimento)->DenseRange(9, 15, 2)->Unit(benchmark::kMillisecond)->MinTime(3);

void Puzzle(benchmark::State& estado) {
    const int lado = static_cast<int>(estado.range(0));
    const TOpcoesGerador opc = OpcoesGeradorParaLado(lado);
    std::uint32_t semente = 0;
    long long sucessos = 0, total = 0;
    for (auto _ : estado) {
        TPuzzle p;
        TEstatGerador e;
        sucessos += GerarPuzzle(Dicionario(), lado, ++semente, opc, {}, p, e);
        ++total;
    }
    estado.counters["sucesso"] = static_cast<double>(sucessos) / static_cast<double>(total);
}
BENCHMARK(Puzzle)->DenseRange(9, 15, 2)->Unit(benchmark::kMillisecond)->Iterations(40)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
