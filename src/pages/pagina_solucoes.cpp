#include "pages/pagina_solucoes.hpp"

#include <algorithm>

#include "pages/pagina_puzzle.hpp"

namespace vorleta {

namespace {
constexpr double LarguraDoQuadrante = 87;
constexpr double AlturaDoQuadrante = 129.5;
} // namespace

double CasaDaSolucao(int ALado) {
    return std::min({(LarguraDoQuadrante - 6) / ALado, (AlturaDoQuadrante - 8 - 4) / ALado, 8.0});
}

void DesenharSolucao(ICanvasPagina& ACanvas, int ALado, const std::string& ALetras, double AX, double AY,
                     double ACasa) {
    DesenharGrelha(ACanvas, ALado, ALetras, AX, AY, ACasa, 0.4, 0.8);
    const double tamanho = MmParaPt(ACasa * 0.6);
    const double h = ACanvas.AlturaTexto(tamanho);
    for (int r = 0; r < ALado; ++r)
        for (int j = 0; j < ALado; ++j) {
            const char letra = ALetras[static_cast<std::size_t>(r * ALado + j)];
            if (letra == '#') continue;
            ACanvas.Texto(AX + (j + 0.5) * ACasa, AY + r * ACasa + (ACasa - h) / 2, std::string(1, letra), tamanho, true,
                          0, TAlinhamento::alCentro);
        }
}

void DesenharPaginaDeSolucoes(ICanvasPagina& ACanvas, const std::vector<TPuzzle>& APuzzles, int APrimeiro) {
    for (int i = 0; i < 4; ++i) {
        const int k = APrimeiro + i;
        if (k >= static_cast<int>(APuzzles.size())) break;
        const TPuzzle& p = APuzzles[static_cast<std::size_t>(k)];
        const double x = 18 + (i % 2) * LarguraDoQuadrante;
        const double y = 18 + (i / 2) * AlturaDoQuadrante;
        const double c = CasaDaSolucao(p.Lado);
        ACanvas.Texto(x + LarguraDoQuadrante / 2, y, "Puzzle " + std::to_string(k + 1), 10, true, 0,
                      TAlinhamento::alCentro);
        DesenharSolucao(ACanvas, p.Lado, p.Letras, x + (LarguraDoQuadrante - c * p.Lado) / 2, y + 8, c);
    }
}

} // namespace vorleta
