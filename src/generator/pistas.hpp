#pragma once
// Clue assignment: one dictionary clue per word of a filled puzzle, no two
// words of the puzzle showing the same clue text.

#include "core/aleatorio.hpp"
#include "core/tipos.hpp"
#include "dictionary/dicionario.hpp"

namespace vorleta {

// True when every word got a clue, all different regardless of letter case;
// false after 30 failed attempts (the clues then hold leftovers).
bool AtribuirPistas(const TDicionario& ADic, TPuzzle& APuzzle, TGeradorAleatorio& AGer);

} // namespace vorleta
