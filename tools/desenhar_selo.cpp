// Draws data/selo_cc_by_nc_nd.png, the licence badge printed on the rules
// page: a 1280 x 450 button in the familiar style of licence buttons, with the
// double-c mark and the three conditions "BY", "NC" and "ND" with simple
// pictograms; and data/vorleta.png, the program's 256 x 256 icon: a small
// board on a sky-blue tile. Text is set in the program's own embedded bold face.
//
//   vorleta-desenhar-selo [SELO.png [ICONE.png]]

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

// A 3 x 3 board with two black cells and the letters V, O, R across its
// middle row, on a rounded sky-blue tile.
cairo_status_t DesenharIcone(cairo_font_face_t* ALetra, const std::string& ASaida) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 256, 256);
    cairo_t* cr = cairo_create(s);
    cairo_set_font_face(cr, ALetra);
    RectanguloRedondo(cr, 8, 8, 240, 240, 44);
    cairo_set_source_rgb(cr, 0.18, 0.53, 0.84);
    cairo_fill(cr);
    const double x0 = 44, y0 = 44, casa = 56;
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_rectangle(cr, x0, y0, 3 * casa, 3 * casa);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.06, 0.1, 0.15);
    cairo_rectangle(cr, x0, y0, casa, casa);
    cairo_rectangle(cr, x0 + 2 * casa, y0 + 2 * casa, casa, casa);
    cairo_fill(cr);
    cairo_set_line_width(cr, 4);
    for (int k = 0; k <= 3; ++k) {
        cairo_move_to(cr, x0, y0 + k * casa);
        cairo_line_to(cr, x0 + 3 * casa, y0 + k * casa);
        cairo_move_to(cr, x0 + k * casa, y0);
        cairo_line_to(cr, x0 + k * casa, y0 + 3 * casa);
    }
    cairo_stroke(cr);
    const char* letras[] = {"V", "O", "R"};
    for (int i = 0; i < 3; ++i) TextoCentrado(cr, letras[i], x0 + (i + 0.5) * casa, y0 + 1.5 * casa, 40);
    cairo_surface_flush(s);
    const cairo_status_t estado = cairo_surface_write_to_png(s, ASaida.c_str());
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    return estado;
}

} // namespace

int main(int argc, char** argv) {
    const std::string saida = argc > 1 ? argv[1] : "data/selo_cc_by_nc_nd.png";
    const std::string icone = argc > 2 ? argv[2] : "data/vorleta.png";
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
    cairo_status_t estado = cairo_surface_write_to_png(s, saida.c_str());
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    if (estado == CAIRO_STATUS_SUCCESS) estado = DesenharIcone(letra, icone);
    cairo_font_face_destroy(letra);
    FT_Done_Face(face);
    FT_Done_FreeType(ft);
    if (estado != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "não foi possível gravar as imagens: %s\n", cairo_status_to_string(estado));
        return 1;
    }
    return 0;
}
