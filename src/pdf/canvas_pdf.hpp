#pragma once
// The page surface over a cairo PDF page, on the 300-dots-per-inch pixel grid:
// every position is converted to a whole pixel on its own (exact halves to
// even), pen widths are whole pixels of at least 1, fills without outline
// cover their right and bottom edge pixels, and text in Liberation Sans
// Regular and Bold (loaded from the embedded font files) is measured in whole
// pixels on the same grid it is drawn on.

#include <cairo.h>

#include <string>

#include "pages/canvas.hpp"

namespace vorleta {

class TCanvasPdf : public ICanvasPagina {
public:
    // ACairo draws on a page in points; this surface borrows it. AUnidadesPorPixel
    // is the size of one pixel in ACairo's units: 72 / ADpi on a PDF page, 1 on
    // an image of the page's pixels.
    TCanvasPdf(cairo_t* ACairo, int ADpi, double AUnidadesPorPixel);

    void Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt, int ACinza) override;
    void Rectangulo(double X, double Y, double ALargura, double AAltura, double AEspessuraPt, int AContorno,
                    int APreenchimento) override;
    void Poligono(const std::vector<TPontoMm>& APontos, double AEspessuraPt, int AContorno,
                  int APreenchimento) override;
    void Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt, bool ANegrito, int ACinza,
               TAlinhamento AAlinhamento) override;
    double LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) override;
    double AlturaTexto(double ATamanhoPt) override;
    void Imagem(double X, double Y, double ALargura, double AAltura, const std::string& ANome) override;

    // The conversions of the pixel grid, open for tests.
    long MmParaPx(double AMm) const;
    long PtParaPx(double APt) const;
    long LarguraEmPx(const std::string& ATexto, double ATamanhoPt, bool ANegrito);
    long AlturaEmPx(double ATamanhoPt);
    // The left end, in pixels, of a text ALarguraPx wide anchored at X.
    long InicioDoTexto(double X, long ALarguraPx, TAlinhamento AAlinhamento) const;

private:
    void PrepararFonte(double ATamanhoPt, bool ANegrito);
    long MedirComAFonteAtual(const std::string& ATextoValido);
    void DefinirCinza(int ACinza);
    double LarguraDaCaneta(double AEspessuraPt) const;

    cairo_t* FCairo;
    double FDpi;
};

} // namespace vorleta
