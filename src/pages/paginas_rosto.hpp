#pragma once
// The pages that are not puzzles or solutions: cover, rules and licence page,
// section titles and the example-board page, with their layout routines.

#include <string>
#include <vector>

#include "core/tipos.hpp"
#include "pages/canvas.hpp"
#include "pages/regras.hpp"

namespace vorleta {

// A centred line with its top at AY that shrinks by APassoPt from
// AInicioPt until it fits 174 mm, never below AMinimoPt.
void DesenharTituloAjustado(ICanvasPagina& ACanvas, double AY, const std::string& ATexto, double AInicioPt,
                            double AMinimoPt, double APassoPt, bool ANegrito);
// Draws the typed lines from AY down; returns the y below the last line.
double DesenharRegras(ICanvasPagina& ACanvas, const std::vector<TLinhaRegras>& ALinhas, double AY);
// Greedy wrap at ordinary spaces; a word wider than the line gets a line of its own.
std::vector<std::string> QuebrarTexto(ICanvasPagina& ACanvas, const std::string& ATexto, double ALarguraMax,
                                      double ATamanhoPt, bool ANegrito);

// The cover title: the typed title without leading or trailing blanks and
// without control characters.
std::string TituloDaCapa(const std::string& ATitulo);

void DesenharCapa(ICanvasPagina& ACanvas, const TConfigLivro& AConfig, int ANumPuzzles);
void DesenharVerso(ICanvasPagina& ACanvas, bool ATemAcentos);
void DesenharSeparador(ICanvasPagina& ACanvas, int ASeccao);
void DesenharSimbolo(ICanvasPagina& ACanvas);

} // namespace vorleta
