#pragma once
// The book generation run: puzzle after puzzle from the generator, refusing
// puzzles that share too many words with earlier ones or repeat a recent
// board pattern, with progress reports, cancellation and a run report.

#include <functional>
#include <string>
#include <vector>

#include "core/tipos.hpp"
#include "dictionary/dicionario.hpp"

namespace vorleta {

// Progress: puzzles accepted so far, puzzles requested, and the run's cancel
// request, which the callee sets to true to stop the run.
using TProgressoLivro = std::function<void(int AAtual, int ATotal, bool& ACancelar)>;

struct TRelatorioLivro {
    int Pedidos = 0;
    int Gerados = 0;
    bool Cancelado = false;
    std::vector<std::string> Falhas; // at most one message: the first failure ends the run
};

std::vector<TPuzzle> GerarLivro(const TDicionario& ADic, const TConfigLivro& AConfig,
                                const TProgressoLivro& AProgresso, TRelatorioLivro& ARelatorio);

// Checks a request: "Tamanho do tabuleiro inválido." or "Número de puzzles inválido.".
void ValidarConfigLivro(const TConfigLivro& AConfig);

// How often a three-letter word may appear in one book.
int LimiteDeTresLetras(int ANumPuzzles);

// Most words two puzzles of m and more words may share.
int MaxPalavrasPartilhadas(int AMenorNumPalavras);

} // namespace vorleta
