#pragma once
// The puzzle page: the empty board with row and column numbers, and the
// clues set as run-on paragraphs under "Horizontais" and "Verticais", with the
// cell size and clue size chosen so that both fit above 277 mm. Also the board
// drawing the solutions and example pages share.

#include <string>
#include <vector>

#include "core/tipos.hpp"
#include "pages/canvas.hpp"

namespace vorleta {

struct TGrupoPistas {
    int Referencia = 0; // row or column number, from 1
    std::string Texto;  // the clues of that row or column joined by " | "

    bool operator==(const TGrupoPistas&) const = default;
};

struct TDisposicao {
    double Casa = 0;          // cell size, mm
    double TamanhoPistas = 0; // clue size, pt
    double Entrelinha = 0;    // distance between clue lines, mm
};

inline constexpr double TopoDoTabuleiro = 38;
inline constexpr double LinhaMaisBaixa = 277;

double CasaMaxima(int ALado);
TDisposicao CalcularDisposicao(ICanvasPagina& ACanvas, const TPuzzle& APuzzle);
std::vector<TGrupoPistas> GruposDePistas(const TPuzzle& APuzzle, bool AHorizontal);
// Sets the groups as one paragraph; with ADesenhar false it only measures.
// Returns the block's height in mm.
double ComporPistas(ICanvasPagina& ACanvas, const std::vector<TGrupoPistas>& AGrupos, double AX, double AY,
                    double ALargura, double ATamanhoPt, double AEntrelinha, bool ADesenhar);
void DesenharTabuleiro(ICanvasPagina& ACanvas, int ALado, const std::string& ALetras, double AX, double AY,
                       double ACasa);
void DesenharGrelha(ICanvasPagina& ACanvas, int ALado, const std::string& ALetras, double AX, double AY, double ACasa,
                    double AFinaPt, double AGrossaPt);
void DesenharMoldura(ICanvasPagina& ACanvas, double AX, double AY, double ALargura, double AAltura,
                     double AEspessuraPt);
// The whole page of puzzle APuzzle numbered ANumeroPuzzle (from 1), without the footer.
void DesenharPaginaDoPuzzle(ICanvasPagina& ACanvas, const TPuzzle& APuzzle, int ANumeroPuzzle);

} // namespace vorleta
