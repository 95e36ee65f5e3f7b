#include "pdf/pdf.hpp"

#include <cairo-pdf.h>

#include <cstdlib>
#include <ctime>
#include <memory>

#include "core/ficheiros.hpp"
#include "core/tipos.hpp"
#include "pdf/canvas_pdf.hpp"

namespace vorleta {

namespace {

constexpr double LarguraA4Pt = 595;
constexpr double AlturaA4Pt = 842;
constexpr int PontosPorPolegada = 300;

cairo_status_t Acumular(void* AContexto, const unsigned char* ADados, unsigned int AQuantos) {
    static_cast<std::string*>(AContexto)->append(reinterpret_cast<const char*>(ADados), AQuantos);
    return CAIRO_STATUS_SUCCESS;
}

// Each new page is a new PDF page; the surface of the previous page is done.
class TDestinoPdf : public IDestinoPaginas {
public:
    explicit TDestinoPdf(cairo_t* ACairo) : FCairo(ACairo) {}
    std::unique_ptr<ICanvasPagina> NovaPagina() override {
        if (FPaginas++ > 0) cairo_show_page(FCairo);
        return std::make_unique<TCanvasPdf>(FCairo, PontosPorPolegada, 72.0 / PontosPorPolegada);
    }

private:
    cairo_t* FCairo;
    int FPaginas = 0;
};

// With SOURCE_DATE_EPOCH set, the file's dates come from it, so that the same
// book makes the same bytes.
void DefinirDatas(cairo_surface_t* ASuperficie) {
    const char* epoca = std::getenv("SOURCE_DATE_EPOCH");
    if (!epoca || !*epoca) return;
    const std::time_t t = static_cast<std::time_t>(std::strtoll(epoca, nullptr, 10));
    std::tm utc{};
    gmtime_r(&t, &utc);
    char data[32];
    std::strftime(data, sizeof data, "%Y-%m-%dT%H:%M:%SZ", &utc);
    cairo_pdf_surface_set_metadata(ASuperficie, CAIRO_PDF_METADATA_CREATE_DATE, data);
    cairo_pdf_surface_set_metadata(ASuperficie, CAIRO_PDF_METADATA_MOD_DATE, data);
}

} // namespace

std::string LivroEmPdf(const TDadosLivro& ALivro) {
    std::string bytes;
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> superficie(
        cairo_pdf_surface_create_for_stream(Acumular, &bytes, LarguraA4Pt, AlturaA4Pt), cairo_surface_destroy);
    cairo_pdf_surface_set_metadata(superficie.get(), CAIRO_PDF_METADATA_TITLE, "Vorleta");
    cairo_pdf_surface_set_metadata(superficie.get(), CAIRO_PDF_METADATA_AUTHOR, "Narvelo");
    cairo_pdf_surface_set_metadata(superficie.get(), CAIRO_PDF_METADATA_CREATOR, "Vorleta");
    DefinirDatas(superficie.get());
    {
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(superficie.get()), cairo_destroy);
        TDestinoPdf destino(cr.get());
        TCompositorLivro(ALivro).Compor(destino);
    }
    cairo_surface_finish(superficie.get());
    const cairo_status_t estado = cairo_surface_status(superficie.get());
    if (estado != CAIRO_STATUS_SUCCESS)
        throw EVorleta(std::string("Não foi possível compor o PDF: ") + cairo_status_to_string(estado));
    return bytes;
}

void GravarLivroPdf(const std::string& ANomeFicheiro, const TDadosLivro& ALivro) {
    if (ALivro.Puzzles.empty()) throw EVorleta("Não há puzzles para gravar.");
    GravarFicheiro(ANomeFicheiro, LivroEmPdf(ALivro));
}

} // namespace vorleta
