#include "book/tempos.hpp"

#include <algorithm>
#include <cstdio>

#include "core/ficheiros.hpp"
#include "core/recursos.hpp"
#include "core/texto.hpp"

namespace vorleta {

bool RegistarTempos = false;
std::string FicheiroDeTempos;

namespace {

std::string LinhaDeEstatisticas(const std::vector<std::int64_t>& ATempos, std::int64_t ADescartadoMs,
                                 std::int64_t ATotalMs) {
    std::vector<std::int64_t> t = ATempos;
    std::sort(t.begin(), t.end());
    const std::size_t n = t.size();
    std::int64_t soma = 0;
    for (const std::int64_t v : t) soma += v;
    const std::int64_t mediana = t[n / 2];
    const std::int64_t p90 = t[(9 * n) / 10];
    const auto acima = std::count_if(t.begin(), t.end(), [&](std::int64_t v) { return v > 5.0 * mediana; });
    return Formatar("Total %lld ms | por puzzle: media %.0f, mediana %.0f, p90 %.0f, maximo %lld ms | "
                    "puzzles com mais de 5x a mediana: %d | tempo em tentativas descartadas: %lld ms (%.0f %%)",
                    static_cast<long long>(ATotalMs), static_cast<double>(soma) / static_cast<double>(n),
                    static_cast<double>(mediana), static_cast<double>(p90), static_cast<long long>(t[n - 1]),
                    static_cast<int>(acima), static_cast<long long>(ADescartadoMs),
                    static_cast<double>(ADescartadoMs) * 100.0 / static_cast<double>(std::max<std::int64_t>(soma, 1)));
}

} // namespace

std::string TextoDosTempos(const std::vector<std::string>& ALinhas, const std::vector<std::int64_t>& ATempos,
                           std::int64_t ADescartadoMs, std::int64_t ATotalMs, const TConfigLivro& AConfig,
                           const TDicionario& ADic, int ANumBiblioteca, const TOpcoesGerador& AOpc) {
    const std::string fim = "\r\n";
    std::string texto = Formatar("Vorleta - tempos do livro: %dx%d, %d puzzles pedidos, semente %u", AConfig.Lado,
                                 AConfig.Lado, AConfig.NumPuzzles, static_cast<unsigned>(AConfig.Semente)) + fim;
    texto += Formatar("Dicionario: %d palavras | biblioteca: %d padroes (x %d variantes) | MaxBiblioteca %d | "
                      "LimiteNos %d | Tentativas %d | Ramo %d",
                      ADic.Total(), ANumBiblioteca, 4, AOpc.MaxBiblioteca, AOpc.Preenchimento.LimiteNos,
                      AOpc.Preenchimento.Tentativas, AOpc.Preenchimento.Ramo) + fim;
    if (!ATempos.empty()) texto += LinhaDeEstatisticas(ATempos, ADescartadoMs, ATotalMs) + fim;
    texto += fim;
    for (const std::string& linha : ALinhas) texto += linha + fim;
    return texto;
}

void GravarTempos(const std::vector<std::string>& ALinhas, const std::vector<std::int64_t>& ATempos,
                  std::int64_t ADescartadoMs, std::int64_t ATotalMs, const TConfigLivro& AConfig,
                  const TDicionario& ADic, int ANumBiblioteca, const TOpcoesGerador& AOpc) noexcept {
    try {
        const std::string caminho =
            FicheiroDeTempos.empty() ? PastaDoPrograma() + "Vorleta_tempos.txt" : FicheiroDeTempos;
        GravarFicheiro(caminho, "\xEF\xBB\xBF" + TextoDosTempos(ALinhas, ATempos, ADescartadoMs, ATotalMs, AConfig,
                                                                ADic, ANumBiblioteca, AOpc));
    } catch (...) {
        // The log is a diagnostic aid: failing to write it must not affect the run.
    }
}

} // namespace vorleta
