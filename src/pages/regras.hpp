#pragma once
// The fixed texts of the front matter: the rules page, the legal sentences,
// the section titles and the example board.

#include <string>
#include <vector>

#include "core/tipos.hpp"

namespace vorleta {

enum class TTipoLinhaRegras { lrTitulo, lrTexto, lrItem, lrBranco };

struct TLinhaRegras {
    TTipoLinhaRegras Tipo;
    std::string Texto;
};

// The sentence about accents appears only in books with accented words.
std::vector<TLinhaRegras> LinhasDasRegras(bool ATemAcentos);
std::string TextoLegal(int AParte);
std::string TituloDoSeparador(int ASeccao);
TPuzzle PuzzleDeExemplo();

} // namespace vorleta
