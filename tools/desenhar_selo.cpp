// Draws data/selo_cc_by_nc_nd.png, the licence badge printed on the rules
// page: a 1280 x 450 button in the familiar style of licence buttons, with the
// double-c mark and the three conditions "BY", "NC" and "ND" with simple
// pictograms. Text is set in the program's own embedded bold face.
//
//   vorleta-desenhar-selo [FICHEIRO.png]

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <string>

#include "core/recursos.hpp"

using namespace vorleta;

namespace {

constexpr double Pi = 3.14159265358979323846;

void RectanguloRedondo(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -Pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, Pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, Pi / 2, Pi);
    cairo_arc(cr, x + r, y + r, r, Pi, 3 * Pi / 2);
    cairo_close_path(cr);
}

void TextoCentrado(cairo_t* cr, const char* texto, double cx, double cy, double tamanho) {
    cairo_set_font_size(cr, tamanho);
    cairo_text_extents_t e;
    cairo_text_extents(cr, texto, &e);
    cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, cy - e.height / 2 - e.y_bearing);
    cairo_show_text(cr, texto);
}

void Circulo(cairo_t* cr, double cx, double cy, double r, double traco) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * Pi);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, traco);
    cairo_stroke(cr);
}

void Pessoa(cairo_t* cr, double cx, double cy) {
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy - 50, 20, 0, 2 * Pi);
    cairo_fill(cr);
    RectanguloRedondo(cr, cx - 34, cy - 22, 68, 52, 14);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 24, cy + 20, 18, 48);
    cairo_rectangle(cr, cx + 6, cy + 20, 18, 48);
    cairo_fill(cr);
}

void MoedaRiscada(cairo_t* cr, double cx, double cy) {
    cairo_set_source_rgb(cr, 0, 0, 0);
    TextoCentrado(cr, "$", cx, cy, 130);
    cairo_set_line_width(cr, 16);
    cairo_move_to(cr, cx - 62, cy - 62);
    cairo_line_to(cr, cx + 62, cy + 62);
    cairo_stroke(cr);
}

void Igual(cairo_t* cr, double cx, double cy) {
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_rectangle(cr, cx - 52, cy - 34, 104, 22);
    cairo_rectangle(cr, cx - 52, cy + 12, 104, 22);
    cairo_fill(cr);
}

} // namespace

int main(int argc, char** argv) {
    const std::string saida = argc > 1 ? argv[1] : "data/selo_cc_by_nc_nd.png";
    const auto fonte = ProcurarRecurso("FONTE_NEGRITO");
    FT_Library ft;
    FT_Face face;
    if (!fonte || FT_Init_FreeType(&ft) != 0 ||
        FT_New_Memory_Face(ft, reinterpret_cast<const FT_Byte*>(fonte->data()), static_cast<FT_Long>(fonte->size()), 0,
                           &face) != 0) {
        std::fprintf(stderr, "não foi possível carregar a fonte embutida\n");
        return 1;
    }
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1280, 450);
    cairo_t* cr = cairo_create(s);
    cairo_font_face_t* letra = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_set_font_face(cr, letra);

    // The button: grey body, black outline, a black strip under the conditions.
    RectanguloRedondo(cr, 8, 8, 1264, 434, 36);
    cairo_set_source_rgb(cr, 0.67, 0.69, 0.67);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_rectangle(cr, 430, 318, 850, 140);
    cairo_fill(cr);
    cairo_restore(cr);
    RectanguloRedondo(cr, 8, 8, 1264, 434, 36);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);

    // The double-c mark.
    Circulo(cr, 220, 225, 168, 30);
    cairo_set_source_rgb(cr, 0, 0, 0);
    TextoCentrado(cr, "cc", 220, 215, 230);

    // The three conditions.
    const double xs[] = {600, 860, 1120};
    const char* nomes[] = {"BY", "NC", "ND"};
    for (int i = 0; i < 3; ++i) Circulo(cr, xs[i], 160, 100, 16);
    Pessoa(cr, xs[0], 160);
    MoedaRiscada(cr, xs[1], 160);
    Igual(cr, xs[2], 160);
    cairo_set_source_rgb(cr, 1, 1, 1);
    for (int i = 0; i < 3; ++i) TextoCentrado(cr, nomes[i], xs[i], 378, 92);

    cairo_surface_flush(s);
    const cairo_status_t estado = cairo_surface_write_to_png(s, saida.c_str());
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    cairo_font_face_destroy(letra);
    FT_Done_Face(face);
    FT_Done_FreeType(ft);
    if (estado != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "não foi possível gravar %s: %s\n", saida.c_str(), cairo_status_to_string(estado));
        return 1;
    }
    return 0;
}
