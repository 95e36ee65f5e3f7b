#pragma once
// The book composer: the page plan of a book (which pages, in which order,
// which carry a page number) and the drawing of every page through a page
// destination, with the footer all numbered pages share.

#include <vector>

#include "core/tipos.hpp"
#include "pages/canvas.hpp"

namespace vorleta {

struct TDadosLivro {
    TConfigLivro Config;
    std::vector<TPuzzle> Puzzles; // in print order
};

enum class TTipoPagina { pgCapa, pgVerso, pgSeparador, pgSimbolo, pgPuzzle, pgSolucoes };

struct TDescPagina {
    TTipoPagina Tipo = TTipoPagina::pgCapa;
    int Primeiro = 0; // puzzle index, first puzzle of a solutions page, or section
    int Numero = 0;   // page number in the footer; 0: no footer

    bool operator==(const TDescPagina&) const = default;
};

std::vector<TDescPagina> PlanoDePaginas(int ANumPuzzles);
int NumPaginasDoLivro(int ANumPuzzles);
// True when some placed word is printed with accents or a cedilla.
bool TemAcentos(const std::vector<TPuzzle>& APuzzles);
void DesenharRodape(ICanvasPagina& ACanvas, int ANumero);

class TCompositorLivro {
public:
    explicit TCompositorLivro(TDadosLivro ALivro);
    int NumPaginas() const { return static_cast<int>(FPaginas.size()); }
    void Compor(IDestinoPaginas& ADestino) const;

private:
    void DesenharPagina(ICanvasPagina& ACanvas, const TDescPagina& APagina) const;

    TDadosLivro FLivro;
    std::vector<TDescPagina> FPaginas;
    bool FTemAcentos;
};

} // namespace vorleta
