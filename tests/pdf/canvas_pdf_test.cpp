#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <memory>

#include "core/recursos.hpp"
#include "pdf/canvas_pdf.hpp"

using namespace vorleta;

namespace {

// An image of part of an A4 page at 300 dpi, one image pixel per device pixel.
class TPaginaRaster {
public:
    TPaginaRaster(int ALargura, int AAltura)
        : FSuperficie(cairo_image_surface_create(CAIRO_FORMAT_RGB24, ALargura, AAltura), cairo_surface_destroy),
          FCairo(cairo_create(FSuperficie.get()), cairo_destroy) {
        cairo_set_source_rgb(FCairo.get(), 1, 1, 1);
        cairo_paint(FCairo.get());
        cairo_set_antialias(FCairo.get(), CAIRO_ANTIALIAS_NONE);
        Canvas = std::make_unique<TCanvasPdf>(FCairo.get(), 300, 1.0);
    }
    bool Preto(int x, int y) {
        cairo_surface_flush(FSuperficie.get());
        const unsigned char* dados = cairo_image_surface_get_data(FSuperficie.get());
        const int passo = cairo_image_surface_get_stride(FSuperficie.get());
        const auto pixel = *reinterpret_cast<const std::uint32_t*>(dados + y * passo + x * 4);
        return (pixel & 0xFFFFFF) < 0x808080;
    }
    std::unique_ptr<TCanvasPdf> Canvas;

private:
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> FSuperficie;
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> FCairo;
};

} // namespace

TEST(GrelhaDePixeis, Conversoes) {
    TPaginaRaster p(10, 10);
    EXPECT_EQ(p.Canvas->MmParaPx(18), 213);
    EXPECT_EQ(p.Canvas->MmParaPx(105), 1240);
    EXPECT_EQ(p.Canvas->MmParaPx(192), 2268);
    EXPECT_EQ(p.Canvas->MmParaPx(0.254 / 2 * 3), 4); // 4.5 px: the even neighbour
    EXPECT_EQ(p.Canvas->MmParaPx(0.254 / 2 * 5), 8); // 7.5 px
    EXPECT_EQ(p.Canvas->PtParaPx(0.4), 2);
    EXPECT_EQ(p.Canvas->PtParaPx(0.6), 2); // 2.5 rounds to even
    EXPECT_EQ(p.Canvas->PtParaPx(0.8), 3);
    EXPECT_EQ(p.Canvas->PtParaPx(1.2), 5);
    EXPECT_EQ(p.Canvas->InicioDoTexto(105, 101, TAlinhamento::alCentro), 1190);
    EXPECT_EQ(p.Canvas->InicioDoTexto(192, 100, TAlinhamento::alDireita), 2168);
    EXPECT_EQ(p.Canvas->InicioDoTexto(18, 100, TAlinhamento::alEsquerda), 213);
}

TEST(GrelhaDePixeis, CasasVizinhasPartilhamOPixelDaAresta) {
    TPaginaRaster p(1200, 60);
    p.Canvas->Rectangulo(60, 0, 18, 1, 0, -1, 0);
    EXPECT_FALSE(p.Preto(708, 5));
    EXPECT_TRUE(p.Preto(709, 5));
    EXPECT_TRUE(p.Preto(921, 5)); // the right edge pixel is covered
    EXPECT_FALSE(p.Preto(922, 5));
    p.Canvas->Rectangulo(78, 0, 18, 1, 0, -1, 0);
    for (int x = 709; x <= 1134; ++x) ASSERT_TRUE(p.Preto(x, 5)) << x; // no seam
}

TEST(GrelhaDePixeis, LinhaDeZeroPontosTemUmPixel) {
    TPaginaRaster p(300, 300);
    p.Canvas->Linha(1, 10, 20, 10, 0, 0);
    const long y = p.Canvas->MmParaPx(10);
    int pretos = 0;
    for (int dy = -3; dy <= 3; ++dy) pretos += p.Preto(100, static_cast<int>(y) + dy);
    EXPECT_EQ(pretos, 1);
    p.Canvas->Linha(1, 20, 20, 20, 1.2, 0);
    const long y2 = p.Canvas->MmParaPx(20);
    pretos = 0;
    for (int dy = -5; dy <= 5; ++dy) pretos += p.Preto(100, static_cast<int>(y2) + dy);
    EXPECT_EQ(pretos, 5);
    p.Canvas->Linha(1, 15, 20, 15, 2, -1); // no grey: nothing drawn
    EXPECT_FALSE(p.Preto(100, static_cast<int>(p.Canvas->MmParaPx(15))));
}

TEST(Texto, MedidasEmPixeisInteiros) {
    TPaginaRaster p(10, 10);
    EXPECT_EQ(p.Canvas->LarguraTexto("", 12, false), 0);
    const double regular = p.Canvas->LarguraTexto("Horizontais", 11, false);
    const double negrito = p.Canvas->LarguraTexto("Horizontais", 11, true);
    EXPECT_GT(negrito, regular);
    EXPECT_DOUBLE_EQ(regular / 25.4 * 300, std::round(regular / 25.4 * 300));
    EXPECT_DOUBLE_EQ(p.Canvas->AlturaTexto(11), static_cast<double>(p.Canvas->AlturaEmPx(11)) / 300 * 25.4);
    // Ascent plus descent of the face: about 1.117 em.
    EXPECT_NEAR(static_cast<double>(p.Canvas->AlturaEmPx(12)), 50 * 1.117, 1.0);
}

TEST(Texto, TintaDentroDaLarguraMedida) {
    TPaginaRaster p(1400, 200);
    const long w = p.Canvas->LarguraEmPx("MMMM", 20, true);
    p.Canvas->Texto(50, 5, "MMMM", 20, true, 0, TAlinhamento::alCentro);
    const long inicio = p.Canvas->InicioDoTexto(50, w, TAlinhamento::alCentro);
    long primeiro = -1, ultimo = -1;
    for (int x = 0; x < 1400; ++x)
        for (int y = 0; y < 200; ++y)
            if (p.Preto(x, y)) {
                if (primeiro < 0) primeiro = x;
                ultimo = x;
                break;
            }
    ASSERT_GE(primeiro, 0);
    EXPECT_GE(primeiro, inicio);
    EXPECT_LE(ultimo, inicio + w);
    EXPECT_LT(primeiro - inicio, 20);     // only the side bearing before the ink
    EXPECT_LT(inicio + w - ultimo, 20);
}

TEST(Imagem, RecursoEmFaltaEPresente) {
    TPaginaRaster p(500, 300);
    try {
        p.Canvas->Imagem(0, 0, 30, 10, "NAO_EXISTE");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Imagem: o recurso NAO_EXISTE não existe no executável");
    }
    p.Canvas->Imagem(1, 1, 30, 30.0 * 450 / 1280, "SELO_CC_BY_NC_ND");
    // The outline of the badge is black; its corners, transparent in the picture, white.
    EXPECT_TRUE(p.Preto(static_cast<int>(p.Canvas->MmParaPx(16)), static_cast<int>(p.Canvas->MmParaPx(1.2))));
    EXPECT_FALSE(p.Preto(static_cast<int>(p.Canvas->MmParaPx(1)) + 1, static_cast<int>(p.Canvas->MmParaPx(1)) + 1));
}
