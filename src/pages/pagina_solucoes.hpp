#pragma once
// The solutions pages: up to four filled boards a page, each under its label.

#include <string>
#include <vector>

#include "core/tipos.hpp"
#include "pages/canvas.hpp"

namespace vorleta {

// The cell size of a solution board of side ALado in its quadrant.
double CasaDaSolucao(int ALado);
void DesenharSolucao(ICanvasPagina& ACanvas, int ALado, const std::string& ALetras, double AX, double AY,
                     double ACasa);
// Puzzles APrimeiro to APrimeiro + 3 (as far as they exist), without the footer.
void DesenharPaginaDeSolucoes(ICanvasPagina& ACanvas, const std::vector<TPuzzle>& APuzzles, int APrimeiro);

} // namespace vorleta
