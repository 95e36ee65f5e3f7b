#pragma once
// The abstract page surface every page of the book is drawn on: millimetres
// from the top-left corner of an A4 page, line widths and font sizes in
// points, grey levels 0 (black) to 255 (white) and -1 for none.

#include <memory>
#include <string>
#include <vector>

namespace vorleta {

struct TPontoMm {
    double X = 0;
    double Y = 0;
};

enum class TAlinhamento { alEsquerda, alCentro, alDireita };

inline double PtParaMm(double x) { return x * 25.4 / 72; }
inline double MmParaPt(double x) { return x * 72 / 25.4; }

class ICanvasPagina {
public:
    virtual ~ICanvasPagina() = default;

    virtual void Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt, int ACinza) = 0;
    // A fill without an outline covers the rectangle up to and including its
    // right and bottom edges, so adjoining fills leave no gap.
    virtual void Rectangulo(double X, double Y, double ALargura, double AAltura, double AEspessuraPt, int AContorno,
                            int APreenchimento) = 0;
    virtual void Poligono(const std::vector<TPontoMm>& APontos, double AEspessuraPt, int AContorno,
                          int APreenchimento) = 0;
    // Y is the top of the text's line box; X its left end, middle or right end.
    virtual void Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt, bool ANegrito, int ACinza,
                       TAlinhamento AAlinhamento) = 0;
    virtual double LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) = 0;
    // Ascent plus descent of the regular face at that size.
    virtual double AlturaTexto(double ATamanhoPt) = 0;
    // A built-in picture resource scaled into the rectangle.
    virtual void Imagem(double X, double Y, double ALargura, double AAltura, const std::string& ANome) = 0;
};

// Hands out one new page at a time, in book order; the previous page's
// surface is no longer used once the next is asked for.
class IDestinoPaginas {
public:
    virtual ~IDestinoPaginas() = default;
    virtual std::unique_ptr<ICanvasPagina> NovaPagina() = 0;
};

} // namespace vorleta
