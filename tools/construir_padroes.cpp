// Builds data/Padroes.txt, the built-in pattern library, from the program's
// own pattern generator, mutation, quality checks and filler.
//
//   vorleta-construir-padroes [--semente S] [--saida FICHEIRO]
//
// For every side it keeps the fixed first pattern, then generates candidates
// (fresh patterns around the side's black-cell share, and mutations of
// candidates that already filled), keeps those that obey every grid rule,
// are balanced, pass the side's acceptance test, have no run of more than
// three black cells (four at side 9) and a key not seen yet, fills each a few times with the
// side's default options and the built-in dictionary, and finally chooses the
// best by fill rate, few three-letter slots, an even spread of slot lengths
// and closeness to the side's share of black cells. The same seed always
// writes the same file.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/ficheiros.hpp"
#include "core/recursos.hpp"
#include "dictionary/dicionario.hpp"
#include "filler/resolvedor.hpp"
#include "generator/mutacao.hpp"
#include "generator/qualidade.hpp"
#include "grid/grelha.hpp"
#include "grid/padroes.hpp"

using namespace vorleta;

namespace {

struct TLado {
    int Lado;
    int Quantos;
    double Pretas; // target share of black cells
    int Amostras;  // fills tried per candidate
    int MaxCorridaPreta; // longest run of black cells allowed in a row or column
    const char* Primeiro;
};

const TLado Lados[] = {
    {9, 92, 0.20, 40, 4, "##....###/#.......#/........#/.....#.../....#..../...#...../#......../#.......#/###....##"},
    {11, 200, 0.21, 6, 3,
     "...#####.../.....#...../.....#...../..........#/...##.....#/###.....###/#.....##.../#........../.....#...../"
     ".....#...../...#####..."},
    {13, 260, 0.23, 6, 3,
     "#.....###..../#......#...../.......#...../.......#....#/....##......#/...##.....###/#.....#.....#/###.....##.../"
     "#......##..../#....#......./.....#......./.....#......#/....###.....#"},
    {15, 315, 0.24, 6, 3,
     "###.....####.../#........#...../#........#...../...#...#......#/......##......#/.....##.......#/....##......###/"
     "...##.....##.../###......##..../#.......##...../#......##....../#......#...#.../.....#........#/.....#........#/"
     "...####.....###"},
};

struct TCandidato {
    TPadrao Padrao;
    double Partilha = 0; // share of black cells
    int Sucessos = 0;
    double Nota = 0;
};

double PartilhaDePretas(const TPadrao& APadrao) {
    return static_cast<double>(std::count(APadrao.begin(), APadrao.end(), 1)) / static_cast<double>(APadrao.size());
}

int MaiorCorridaPreta(const TPadrao& APadrao, int L) {
    int maior = 0;
    for (int passo : {1, L})
        for (int linha = 0; linha < L; ++linha) {
            int corrida = 0;
            for (int k = 0; k < L; ++k) {
                const int casa = passo == 1 ? linha * L + k : k * L + linha;
                corrida = APadrao[static_cast<std::size_t>(casa)] ? corrida + 1 : 0;
                maior = std::max(maior, corrida);
            }
        }
    return maior;
}

// Spread of slot lengths: the standard deviation of the lengths.
double Dispersao(const TPadrao& APadrao, int L) {
    const auto ranhuras = ExtrairRanhuras(APadrao, L);
    double soma = 0, soma2 = 0;
    for (const TRanhura& r : ranhuras) {
        soma += r.Comprimento;
        soma2 += r.Comprimento * r.Comprimento;
    }
    const double n = static_cast<double>(ranhuras.size());
    return std::sqrt(std::max(0.0, soma2 / n - (soma / n) * (soma / n)));
}

struct TResultadoLado {
    std::vector<TPadrao> Padroes;
    int Gerados = 0, Admitidos = 0;
};

TResultadoLado ConstruirLado(const TLado& ALado, const TDicionario& ADic, std::uint32_t ASemente) {
    const int AAmostras = ALado.Amostras;
    const int L = ALado.Lado;
    TGeradorAleatorio g(CombinarSementes(ASemente, static_cast<std::uint32_t>(L)));
    const TOpcoesGerador opc = OpcoesGeradorParaLado(L);
    const int maior = ADic.MaiorComprimento();
    int lado = 0;
    const TPadrao primeiro = PadraoDeTexto(ALado.Primeiro, lado);

    std::set<std::string> chaves = {ChaveDoPadrao(primeiro, L)};
    std::vector<TPadrao> bases = {primeiro};
    std::vector<TCandidato> candidatos;
    TResultadoLado resultado;
    int recusas[5] = {};
    const int queremos = ALado.Quantos * 3;
    // Generation stops with enough candidates, or when new patterns stop coming.
    int ultimaAdmissao = 0;
    while (static_cast<int>(candidatos.size()) < queremos && resultado.Gerados - ultimaAdmissao < 40000) {
        ++resultado.Gerados;
        if (resultado.Gerados % 2000 == 0)
            std::fprintf(stderr, "lado %d: %d gerados, %d admitidos, %zu candidatos; recusas %d %d %d %d %d\n", L, resultado.Gerados,
                         resultado.Admitidos, candidatos.size(), recusas[0], recusas[1], recusas[2], recusas[3], recusas[4]);
        TPadrao p;
        // Half the candidates are mutations of patterns that already filled;
        // the others are fresh, with a veto on three-letter slots that varies.
        if (g.Limite(2) == 0) {
            p = MutarPadrao(bases, L, opc, g);
        } else {
            const double densidade = ALado.Pretas + 0.04 + (g.Real01() - 0.5) * 0.14;
            p = GerarPadrao(L, g, densidade, 0.3 + 0.7 * g.Real01());
        }
        const double partilha = PartilhaDePretas(p);
        if (partilha < 0.10 || partilha > 0.28) { ++recusas[0]; continue; }
        if (!ValidarPadrao(p, L).empty() || !AvaliarEquilibrio(p, L).empty()) { ++recusas[1]; continue; }
        if (!PadraoAceitavel(p, L, opc, maior)) { ++recusas[2]; continue; }
        if (MaiorCorridaPreta(p, L) > ALado.MaxCorridaPreta) { ++recusas[3]; continue; }
        if (!chaves.insert(ChaveDoPadrao(p, L)).second) { ++recusas[4]; continue; }
        ++resultado.Admitidos;
        ultimaAdmissao = resultado.Gerados;
        TCandidato c{p, partilha, 0, 0};
        for (int k = 0; k < AAmostras; ++k) {
            TGeradorAleatorio gp(CombinarSementes(static_cast<std::uint32_t>(resultado.Gerados), static_cast<std::uint32_t>(k)));
            TPuzzle puzzle;
            c.Sucessos += PreencherPadrao(ADic, p, L, gp, opc.Preenchimento, puzzle);
        }
        if (c.Sucessos == 0) continue;
        const auto ranhuras = ExtrairRanhuras(p, L);
        const double tres = static_cast<double>(ContarRanhurasDeComprimento(p, L, 3)) / static_cast<double>(ranhuras.size());
        c.Nota = 4.0 * c.Sucessos / AAmostras - 3.0 * tres + 0.3 * Dispersao(p, L) -
                 25.0 * std::abs(partilha - ALado.Pretas);
        candidatos.push_back(std::move(c));
        bases.push_back(p);
        if (candidatos.size() % 50 == 0)
            std::fprintf(stderr, "lado %d: %zu candidatos (%d gerados, %d admitidos)\n", L, candidatos.size(),
                         resultado.Gerados, resultado.Admitidos);
    }
    std::stable_sort(candidatos.begin(), candidatos.end(),
                     [](const TCandidato& a, const TCandidato& b) { return a.Nota > b.Nota; });
    resultado.Padroes.push_back(primeiro);
    for (std::size_t i = 0; i < candidatos.size() && static_cast<int>(resultado.Padroes.size()) < ALado.Quantos; ++i)
        resultado.Padroes.push_back(candidatos[i].Padrao);
    return resultado;
}

} // namespace

int main(int argc, char** argv) {
    std::uint32_t semente = 2026;
    std::string saida = "data/Padroes.txt";
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--semente") && i + 1 < argc) semente = static_cast<std::uint32_t>(std::stoul(argv[++i]));
        else if (!std::strcmp(argv[i], "--saida") && i + 1 < argc) saida = argv[++i];
        else {
            std::fprintf(stderr, "uso: %s [--semente S] [--saida FICHEIRO]\n", argv[0]);
            return 2;
        }
    }
    TRelatorioDic rel;
    const auto dic = CarregarDicionario(PastaDoPrograma(), rel);

    std::vector<TResultadoLado> resultados(std::size(Lados));
    std::vector<std::thread> tarefas;
    for (std::size_t i = 0; i < std::size(Lados); ++i)
        tarefas.emplace_back([&, i] { resultados[i] = ConstruirLado(Lados[i], *dic, semente); });
    for (std::thread& t : tarefas) t.join();

    std::string texto = "; Vorleta: biblioteca de padrões, gerada por tools/construir_padroes.cpp com a semente " +
                        std::to_string(semente) + "\r\n";
    for (std::size_t i = 0; i < std::size(Lados); ++i) {
        const TResultadoLado& r = resultados[i];
        double soma = 0;
        for (const TPadrao& p : r.Padroes) soma += PartilhaDePretas(p);
        std::fprintf(stderr, "lado %d: %zu padrões (pedidos %d), %.1f%% de pretas em média; %d gerados, %d admitidos\n",
                     Lados[i].Lado, r.Padroes.size(), Lados[i].Quantos, 100.0 * soma / static_cast<double>(r.Padroes.size()),
                     r.Gerados, r.Admitidos);
        for (const TPadrao& p : r.Padroes) texto += PadraoParaTexto(p, Lados[i].Lado) + "\r\n";
    }
    GravarFicheiro(saida, texto);
    return 0;
}
