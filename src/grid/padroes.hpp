#pragma once
// The pattern library (built-in "PADROES", else a Padroes.txt file), the eight
// symmetries of a square pattern and the canonical key shared by a pattern
// and all its rotations and reflections.

#include <string>
#include <vector>

#include "core/tipos.hpp"

namespace vorleta {

// All library patterns of side ALado, in library order; fresh copies.
std::vector<TPadrao> PadroesDaBiblioteca(int ALado);

// Symmetry 0..7: switch 1 exchanges rows and columns, 2 mirrors columns,
// 4 mirrors rows.
TPadrao TransformarPadrao(const TPadrao& ACasas, int ALado, int ASimetria);

// The least, in byte order, of the text forms of the eight symmetries.
std::string ChaveDoPadrao(const TPadrao& ACasas, int ALado);

// Internal steps, open for tests.
std::string TextoDaBiblioteca();
std::vector<TPadrao> LerPadroesDoTexto(const std::string& ATexto, int ALado);
// Forgets the cached library text, so that the next request reads it again.
void EsquecerBibliotecaDePadroes();

} // namespace vorleta
