#include "pages/paginas_rosto.hpp"

#include "core/texto.hpp"
#include "pages/pagina_solucoes.hpp"

namespace vorleta {

namespace {

constexpr double Margem = 18;
constexpr double LarguraDoTexto = 174;
constexpr double Centro = 105;

bool Controlo(char32_t p) { return p < 0x20 || (p >= 0x7F && p <= 0x9F); }

} // namespace

void DesenharTituloAjustado(ICanvasPagina& ACanvas, double AY, const std::string& ATexto, double AInicioPt,
                            double AMinimoPt, double APassoPt, bool ANegrito) {
    double s = AInicioPt;
    while (s > AMinimoPt && ACanvas.LarguraTexto(ATexto, s, ANegrito) > LarguraDoTexto) s -= APassoPt;
    ACanvas.Texto(Centro, AY, ATexto, s, ANegrito, 0, TAlinhamento::alCentro);
}

std::vector<std::string> QuebrarTexto(ICanvasPagina& ACanvas, const std::string& ATexto, double ALarguraMax,
                                      double ATamanhoPt, bool ANegrito) {
    std::vector<std::string> linhas;
    std::string linha;
    for (const std::string& palavra : Dividir(ATexto, " ")) {
        const std::string candidata = linha.empty() ? palavra : linha + " " + palavra;
        if (!linha.empty() && ACanvas.LarguraTexto(candidata, ATamanhoPt, ANegrito) > ALarguraMax) {
            linhas.push_back(linha);
            linha = palavra;
        } else {
            linha = candidata;
        }
    }
    if (!linha.empty()) linhas.push_back(linha);
    return linhas;
}

double DesenharRegras(ICanvasPagina& ACanvas, const std::vector<TLinhaRegras>& ALinhas, double AY) {
    const double e = PtParaMm(11) * 1.45;
    double y = AY;
    bool primeiroTitulo = true;
    for (const TLinhaRegras& linha : ALinhas) {
        switch (linha.Tipo) {
        case TTipoLinhaRegras::lrTitulo:
            if (primeiroTitulo) {
                ACanvas.Texto(Centro, y, linha.Texto, 20, true, 0, TAlinhamento::alCentro);
                y += 12;
                primeiroTitulo = false;
            } else {
                y += 4;
                ACanvas.Texto(Margem, y, linha.Texto, 13, true, 0, TAlinhamento::alEsquerda);
                y += 7;
            }
            break;
        case TTipoLinhaRegras::lrTexto:
            for (const std::string& l : QuebrarTexto(ACanvas, linha.Texto, LarguraDoTexto, 11, false)) {
                ACanvas.Texto(Margem, y, l, 11, false, 0, TAlinhamento::alEsquerda);
                y += e;
            }
            break;
        case TTipoLinhaRegras::lrItem: {
            // The mark and its space; following lines hang under the first body line.
            const auto espaco = linha.Texto.find(' ');
            const std::string marca = espaco == std::string::npos ? "" : linha.Texto.substr(0, espaco + 1);
            const std::string corpo = linha.Texto.substr(marca.size());
            const double wM = ACanvas.LarguraTexto(marca, 11, false);
            ACanvas.Texto(Margem, y, marca, 11, false, 0, TAlinhamento::alEsquerda);
            for (const std::string& l : QuebrarTexto(ACanvas, corpo, LarguraDoTexto - wM, 11, false)) {
                ACanvas.Texto(Margem + wM, y, l, 11, false, 0, TAlinhamento::alEsquerda);
                y += e;
            }
            break;
        }
        case TTipoLinhaRegras::lrBranco:
            y += e / 2;
            break;
        }
    }
    return y;
}

std::string TituloDaCapa(const std::string& ATitulo) {
    std::string limpo;
    for (const char32_t p : PontosDeCodigo(Aparar(ATitulo)))
        if (!Controlo(p)) AcrescentarUtf8(limpo, p);
    return Aparar(limpo);
}

void DesenharCapa(ICanvasPagina& ACanvas, const TConfigLivro& AConfig, int ANumPuzzles) {
    DesenharTituloAjustado(ACanvas, 42, "NARVELO", 24, 24, 1, true);
    DesenharTituloAjustado(ACanvas, 92, "VORLETA", 80, 24, 4, true);
    const std::string titulo = TituloDaCapa(AConfig.Titulo);
    if (!titulo.empty()) DesenharTituloAjustado(ACanvas, 150, titulo, 34, 16, 2, true);
    const std::string contagem = ANumPuzzles == 1 ? "1 puzzle" : std::to_string(ANumPuzzles) + " puzzles";
    DesenharTituloAjustado(ACanvas, 202, contagem, 16, 16, 1, false);
    DesenharTituloAjustado(ACanvas, 212, RotuloDoTamanho(AConfig.Lado), 16, 16, 1, false);
}

void DesenharVerso(ICanvasPagina& ACanvas, bool ATemAcentos) {
    DesenharRegras(ACanvas, LinhasDasRegras(ATemAcentos), 18);
    ACanvas.Texto(Margem, 205, "Vorleta", 14, true, 0, TAlinhamento::alEsquerda);
    ACanvas.Texto(Margem, 216, TextoLegal(0), 12, false, 0, TAlinhamento::alEsquerda);
    const std::vector<std::string> licenca = QuebrarTexto(ACanvas, TextoLegal(1), LarguraDoTexto, 12, false);
    for (std::size_t i = 0; i < licenca.size(); ++i)
        ACanvas.Texto(Margem, 225 + 6.5 * static_cast<double>(i), licenca[i], 12, false, 0, TAlinhamento::alEsquerda);
    ACanvas.Imagem(Margem, 225 + 6.5 * static_cast<double>(licenca.size()) + 4, 30, 30.0 * 450 / 1280,
                   "SELO_CC_BY_NC_ND");
}

void DesenharSeparador(ICanvasPagina& ACanvas, int ASeccao) {
    const double h = ACanvas.AlturaTexto(36);
    ACanvas.Texto(Centro, 148.5 - h / 2 - 4, TituloDoSeparador(ASeccao), 36, true, 0, TAlinhamento::alCentro);
    ACanvas.Rectangulo(90, 162.5, 30, 0.28, 0, -1, 0);
}

void DesenharSimbolo(ICanvasPagina& ACanvas) {
    const TPuzzle exemplo = PuzzleDeExemplo();
    const double casa = 18;
    DesenharSolucao(ACanvas, exemplo.Lado, exemplo.Letras, (210 - 5 * casa) / 2, (297 - 5 * casa) / 2, casa);
}

} // namespace vorleta
