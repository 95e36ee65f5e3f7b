#pragma once
// Board patterns: the rules a pattern must obey, its slots, the cell
// arithmetic of slots, the one-line text form, and the generation of fresh
// patterns from an empty board.

#include <string>
#include <vector>

#include "core/aleatorio.hpp"
#include "core/tipos.hpp"

namespace vorleta {

// The empty text when the pattern obeys every rule, else the first rule broken.
std::string ValidarPadrao(const TPadrao& ACasas, int ALado);

bool LinhaSemDuasBrancas(const TPadrao& ACasas, int ALado, int ALinha);
bool ColunaSemDuasBrancas(const TPadrao& ACasas, int ALado, int AColuna);
bool TemBlocoPreto(const TPadrao& ACasas, int ALado, int ALinha, int AColuna);
int PrimeiraCasaSemPalavra(const TPadrao& ACasas, int ALado);
bool BrancasLigadas(const TPadrao& ACasas, int ALado);

// Across slots row by row, then down slots column by column.
std::vector<TRanhura> ExtrairRanhuras(const TPadrao& ACasas, int ALado);
int ContarRanhurasDeComprimento(const TPadrao& ACasas, int ALado, int AComprimento);
int CasaDaRanhura(const TRanhura& ARanhura, int AIndice, int ALado);
// The 1-based row (across) or column (down) under which a clue is listed.
int ReferenciaDaRanhura(const TRanhura& ARanhura);

std::string PadraoParaTexto(const TPadrao& ACasas, int ALado);
TPadrao PadraoDeTexto(const std::string& ATexto, int& ALado);

// A fresh pattern of odd side >= 5, blackening symmetric pairs of cells in a
// random order until ADensidade of the board is black.
TPadrao GerarPadrao(int ALado, TGeradorAleatorio& AGer, double ADensidade, double AProbEvitarCurtas);

} // namespace vorleta
