#include "pages/paginas.hpp"

#include <string>

#include "pages/pagina_puzzle.hpp"
#include "pages/pagina_solucoes.hpp"
#include "pages/paginas_rosto.hpp"

namespace vorleta {

std::vector<TDescPagina> PlanoDePaginas(int ANumPuzzles) {
    using enum TTipoPagina;
    std::vector<TDescPagina> plano;
    // Each section title falls on an odd (right-hand) page.
    auto acertarParidade = [&] {
        if (plano.size() % 2 == 1) plano.push_back({pgSimbolo, 0, 0});
    };
    plano.push_back({pgCapa, 0, 0});
    plano.push_back({pgVerso, 0, 0});
    acertarParidade();
    plano.push_back({pgSeparador, 0, 0});
    for (int i = 0; i < ANumPuzzles; ++i) plano.push_back({pgPuzzle, i, 0});
    acertarParidade();
    plano.push_back({pgSeparador, 1, 0});
    for (int p = 0; p < ANumPuzzles; p += 4) plano.push_back({pgSolucoes, p, 0});
    for (std::size_t j = 0; j < plano.size(); ++j) {
        const TTipoPagina t = plano[j].Tipo;
        if (t == pgVerso || t == pgPuzzle || t == pgSolucoes) plano[j].Numero = static_cast<int>(j) + 1;
    }
    return plano;
}

int NumPaginasDoLivro(int ANumPuzzles) { return static_cast<int>(PlanoDePaginas(ANumPuzzles).size()); }

bool TemAcentos(const std::vector<TPuzzle>& APuzzles) {
    for (const TPuzzle& p : APuzzles)
        for (const TPalavraColocada& w : p.Palavras)
            if (w.Texto != w.Grelha) return true;
    return false;
}

void DesenharRodape(ICanvasPagina& ACanvas, int ANumero) {
    if (ANumero <= 0) return;
    ACanvas.Texto(18, 283, "Vorleta | Narvelo", 9, false, 128, TAlinhamento::alEsquerda);
    ACanvas.Texto(192, 283, std::to_string(ANumero), 9, false, 128, TAlinhamento::alDireita);
}

TCompositorLivro::TCompositorLivro(TDadosLivro ALivro)
    : FLivro(std::move(ALivro)),
      FPaginas(PlanoDePaginas(static_cast<int>(FLivro.Puzzles.size()))),
      FTemAcentos(TemAcentos(FLivro.Puzzles)) {}

void TCompositorLivro::Compor(IDestinoPaginas& ADestino) const {
    std::unique_ptr<ICanvasPagina> canvas;
    for (const TDescPagina& pagina : FPaginas) {
        canvas.reset(); // the previous page's surface goes before the next is asked for
        canvas = ADestino.NovaPagina();
        DesenharPagina(*canvas, pagina);
    }
}

void TCompositorLivro::DesenharPagina(ICanvasPagina& ACanvas, const TDescPagina& APagina) const {
    switch (APagina.Tipo) {
    case TTipoPagina::pgCapa:
        DesenharCapa(ACanvas, FLivro.Config, static_cast<int>(FLivro.Puzzles.size()));
        break;
    case TTipoPagina::pgVerso:
        DesenharVerso(ACanvas, FTemAcentos);
        DesenharRodape(ACanvas, APagina.Numero);
        break;
    case TTipoPagina::pgSeparador:
        DesenharSeparador(ACanvas, APagina.Primeiro);
        break;
    case TTipoPagina::pgSimbolo:
        DesenharSimbolo(ACanvas);
        break;
    case TTipoPagina::pgPuzzle:
        DesenharPaginaDoPuzzle(ACanvas, FLivro.Puzzles[static_cast<std::size_t>(APagina.Primeiro)], APagina.Primeiro + 1);
        DesenharRodape(ACanvas, APagina.Numero);
        break;
    case TTipoPagina::pgSolucoes:
        DesenharPaginaDeSolucoes(ACanvas, FLivro.Puzzles, APagina.Primeiro);
        DesenharRodape(ACanvas, APagina.Numero);
        break;
    }
}

} // namespace vorleta
