#include "pdf/canvas_pdf.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <memory>
#include <stdexcept>

#include "core/recursos.hpp"
#include "core/texto.hpp"

namespace vorleta {

namespace {

// One FreeType face and its cairo face per weight, loaded once from the
// embedded font files and kept for the life of the process.
struct TFonte {
    FT_Face Face = nullptr;
    cairo_font_face_t* Cairo = nullptr;
    double Ascendente = 0;  // in em units of 1
    double Descendente = 0; // positive, in em units of 1
};

TFonte CarregarFonte(FT_Library ABiblioteca, const char* ARecurso) {
    const auto bytes = ProcurarRecurso(ARecurso);
    if (!bytes) throw std::runtime_error(std::string("Fonte: o recurso ") + ARecurso + " não existe no executável");
    TFonte fonte;
    if (FT_New_Memory_Face(ABiblioteca, reinterpret_cast<const FT_Byte*>(bytes->data()),
                           static_cast<FT_Long>(bytes->size()), 0, &fonte.Face) != 0)
        throw std::runtime_error(std::string("Fonte: não foi possível ler o recurso ") + ARecurso);
    const double unidades = fonte.Face->units_per_EM;
    // The cell of a text line is the font's Windows ascent plus descent.
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(fonte.Face, FT_SFNT_OS2))) {
        fonte.Ascendente = os2->usWinAscent / unidades;
        fonte.Descendente = os2->usWinDescent / unidades;
    } else {
        fonte.Ascendente = fonte.Face->ascender / unidades;
        fonte.Descendente = -fonte.Face->descender / unidades;
    }
    fonte.Cairo = cairo_ft_font_face_create_for_ft_face(fonte.Face, FT_LOAD_NO_HINTING);
    return fonte;
}

const TFonte& Fonte(bool ANegrito) {
    static FT_Library biblioteca = [] {
        FT_Library b = nullptr;
        if (FT_Init_FreeType(&b) != 0) throw std::runtime_error("Fonte: não foi possível iniciar o FreeType");
        return b;
    }();
    static const TFonte regular = CarregarFonte(biblioteca, "FONTE_REGULAR");
    static const TFonte negrito = CarregarFonte(biblioteca, "FONTE_NEGRITO");
    return ANegrito ? negrito : regular;
}

// Round to the nearest integer, exact halves to the even one.
long ArredondarPar(double AValor) { return std::lrint(std::nearbyint(AValor)); }

struct TLeitorPng {
    const unsigned char* Dados;
    std::size_t Restante;
};

cairo_status_t LerPng(void* AContexto, unsigned char* ADestino, unsigned int AQuantos) {
    auto* leitor = static_cast<TLeitorPng*>(AContexto);
    if (AQuantos > leitor->Restante) return CAIRO_STATUS_READ_ERROR;
    std::copy(leitor->Dados, leitor->Dados + AQuantos, ADestino);
    leitor->Dados += AQuantos;
    leitor->Restante -= AQuantos;
    return CAIRO_STATUS_SUCCESS;
}

using TSuperficie = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using TContexto = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

} // namespace

TCanvasPdf::TCanvasPdf(cairo_t* ACairo, int ADpi, double AUnidadesPorPixel) : FCairo(ACairo), FDpi(ADpi) {
    // From here on the page is addressed in device pixels of 1/ADpi inch.
    cairo_identity_matrix(FCairo);
    cairo_scale(FCairo, AUnidadesPorPixel, AUnidadesPorPixel);
    cairo_set_line_cap(FCairo, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(FCairo, CAIRO_LINE_JOIN_MITER);
}

long TCanvasPdf::MmParaPx(double AMm) const { return ArredondarPar(AMm / 25.4 * FDpi); }

long TCanvasPdf::PtParaPx(double APt) const { return ArredondarPar(APt * FDpi / 72); }

double TCanvasPdf::LarguraDaCaneta(double AEspessuraPt) const {
    return static_cast<double>(std::max(1L, PtParaPx(AEspessuraPt)));
}

void TCanvasPdf::DefinirCinza(int ACinza) {
    const double g = ACinza / 255.0;
    cairo_set_source_rgb(FCairo, g, g, g);
}

void TCanvasPdf::PrepararFonte(double ATamanhoPt, bool ANegrito) {
    cairo_set_font_face(FCairo, Fonte(ANegrito).Cairo);
    cairo_set_font_size(FCairo, static_cast<double>(PtParaPx(ATamanhoPt)));
}

void TCanvasPdf::Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt, int ACinza) {
    if (ACinza < 0) return;
    // A pen of w pixels is centred on the pixel centres of the line's ends.
    cairo_new_path(FCairo);
    cairo_move_to(FCairo, static_cast<double>(MmParaPx(X1)) + 0.5, static_cast<double>(MmParaPx(Y1)) + 0.5);
    cairo_line_to(FCairo, static_cast<double>(MmParaPx(X2)) + 0.5, static_cast<double>(MmParaPx(Y2)) + 0.5);
    cairo_set_line_width(FCairo, LarguraDaCaneta(AEspessuraPt));
    DefinirCinza(ACinza);
    cairo_stroke(FCairo);
}

void TCanvasPdf::Rectangulo(double X, double Y, double ALargura, double AAltura, double AEspessuraPt, int AContorno,
                            int APreenchimento) {
    const auto x1 = static_cast<double>(MmParaPx(X)), y1 = static_cast<double>(MmParaPx(Y));
    const auto x2 = static_cast<double>(MmParaPx(X + ALargura)), y2 = static_cast<double>(MmParaPx(Y + AAltura));
    cairo_new_path(FCairo);
    if (AContorno < 0) {
        if (APreenchimento < 0) return;
        // Right and bottom edge pixels included: adjoining cells share one pixel.
        cairo_rectangle(FCairo, x1, y1, x2 + 1 - x1, y2 + 1 - y1);
        DefinirCinza(APreenchimento);
        cairo_fill(FCairo);
        return;
    }
    cairo_rectangle(FCairo, x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1);
    if (APreenchimento >= 0) {
        DefinirCinza(APreenchimento);
        cairo_fill_preserve(FCairo);
    }
    cairo_set_line_width(FCairo, LarguraDaCaneta(AEspessuraPt));
    DefinirCinza(AContorno);
    cairo_stroke(FCairo);
}

void TCanvasPdf::Poligono(const std::vector<TPontoMm>& APontos, double AEspessuraPt, int AContorno,
                          int APreenchimento) {
    if (APontos.empty()) return;
    cairo_new_path(FCairo);
    for (const TPontoMm& p : APontos)
        cairo_line_to(FCairo, static_cast<double>(MmParaPx(p.X)) + 0.5, static_cast<double>(MmParaPx(p.Y)) + 0.5);
    cairo_close_path(FCairo);
    if (APreenchimento >= 0) {
        DefinirCinza(APreenchimento);
        cairo_fill_preserve(FCairo);
    }
    if (AContorno >= 0) {
        cairo_set_line_width(FCairo, LarguraDaCaneta(AEspessuraPt));
        DefinirCinza(AContorno);
        cairo_stroke(FCairo);
    }
    cairo_new_path(FCairo);
}

long TCanvasPdf::LarguraEmPx(const std::string& ATexto, double ATamanhoPt, bool ANegrito) {
    if (ATexto.empty()) return 0;
    PrepararFonte(ATamanhoPt, ANegrito);
    return MedirComAFonteAtual(Utf8Seguro(ATexto));
}

long TCanvasPdf::MedirComAFonteAtual(const std::string& ATextoValido) {
    cairo_text_extents_t medida;
    cairo_text_extents(FCairo, ATextoValido.c_str(), &medida);
    return ArredondarPar(medida.x_advance);
}

long TCanvasPdf::AlturaEmPx(double ATamanhoPt) {
    const TFonte& f = Fonte(false);
    const auto em = static_cast<double>(PtParaPx(ATamanhoPt));
    return ArredondarPar(em * f.Ascendente) + ArredondarPar(em * f.Descendente);
}

double TCanvasPdf::LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) {
    return static_cast<double>(LarguraEmPx(ATexto, ATamanhoPt, ANegrito)) / FDpi * 25.4;
}

double TCanvasPdf::AlturaTexto(double ATamanhoPt) {
    return static_cast<double>(AlturaEmPx(ATamanhoPt)) / FDpi * 25.4;
}

long TCanvasPdf::InicioDoTexto(double X, long ALarguraPx, TAlinhamento AAlinhamento) const {
    const long x = MmParaPx(X);
    if (AAlinhamento == TAlinhamento::alCentro) return x - ALarguraPx / 2;
    if (AAlinhamento == TAlinhamento::alDireita) return x - ALarguraPx;
    return x;
}

void TCanvasPdf::Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt, bool ANegrito, int ACinza,
                       TAlinhamento AAlinhamento) {
    if (ATexto.empty() || ACinza < 0) return;
    // Measured and drawn with the same font and the same text, so the width
    // that places it is the width it takes.
    const std::string texto = Utf8Seguro(ATexto);
    PrepararFonte(ATamanhoPt, ANegrito);
    const long x = InicioDoTexto(X, MedirComAFonteAtual(texto), AAlinhamento);
    // The top of the text's cell is at Y: the baseline lies one ascent below.
    const auto em = static_cast<double>(PtParaPx(ATamanhoPt));
    const long ascendente = ArredondarPar(em * Fonte(false).Ascendente);
    DefinirCinza(ACinza);
    cairo_new_path(FCairo);
    cairo_move_to(FCairo, static_cast<double>(x), static_cast<double>(MmParaPx(Y) + ascendente));
    cairo_show_text(FCairo, texto.c_str());
    cairo_new_path(FCairo);
}

void TCanvasPdf::Imagem(double X, double Y, double ALargura, double AAltura, const std::string& ANome) {
    const auto bytes = ProcurarRecurso(ANome);
    if (!bytes) throw std::runtime_error("Imagem: o recurso " + ANome + " não existe no executável");
    TLeitorPng leitor{reinterpret_cast<const unsigned char*>(bytes->data()), bytes->size()};
    TSuperficie png(cairo_image_surface_create_from_png_stream(LerPng, &leitor), cairo_surface_destroy);
    if (cairo_surface_status(png.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("Imagem: o recurso " + ANome + " não é uma imagem PNG válida");

    const long x1 = MmParaPx(X), y1 = MmParaPx(Y), x2 = MmParaPx(X + ALargura), y2 = MmParaPx(Y + AAltura);
    const int largura = static_cast<int>(std::max(1L, x2 - x1)), altura = static_cast<int>(std::max(1L, y2 - y1));
    const int larguraPng = cairo_image_surface_get_width(png.get());
    const int alturaPng = cairo_image_surface_get_height(png.get());
    // Flattened on white and reduced to the device pixels with an averaging filter.
    TSuperficie reduzida(cairo_image_surface_create(CAIRO_FORMAT_RGB24, largura, altura), cairo_surface_destroy);
    {
        TContexto cr(cairo_create(reduzida.get()), cairo_destroy);
        cairo_set_source_rgb(cr.get(), 1, 1, 1);
        cairo_paint(cr.get());
        cairo_scale(cr.get(), static_cast<double>(largura) / larguraPng, static_cast<double>(altura) / alturaPng);
        cairo_set_source_surface(cr.get(), png.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_BEST);
        cairo_paint(cr.get());
    }
    cairo_save(FCairo);
    cairo_set_source_surface(FCairo, reduzida.get(), static_cast<double>(x1), static_cast<double>(y1));
    cairo_pattern_set_filter(cairo_get_source(FCairo), CAIRO_FILTER_BEST);
    cairo_paint(FCairo);
    cairo_restore(FCairo);
}

} // namespace vorleta
