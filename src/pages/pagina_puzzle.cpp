#include "pages/pagina_puzzle.hpp"

#include <algorithm>

#include "core/texto.hpp"
#include "grid/grelha.hpp"

namespace vorleta {

namespace {

constexpr double MargemEsquerda = 18;
constexpr double LarguraDaColuna = 83;
constexpr double ColunaVerticais = 109; // 18 + 83 + an 8 mm gutter
constexpr double IntervaloAosTitulos = 8;
constexpr double IntervaloAsPistas = 7;
constexpr double CasaMinima = 7;
constexpr double PassoDaCasa = 0.25;
constexpr double TamanhosDePistas[] = {9, 8.5, 8, 7.5, 7, 6.5};

double EntrelinhaDe(double ATamanhoPt) { return PtParaMm(ATamanhoPt) * 1.3; }

} // namespace

double CasaMaxima(int ALado) { return std::min(174.0 / ALado, 14.0); }

std::vector<TGrupoPistas> GruposDePistas(const TPuzzle& APuzzle, bool AHorizontal) {
    std::vector<TGrupoPistas> grupos;
    bool aberto = false;
    TGrupoPistas atual;
    for (const TPalavraColocada& w : APuzzle.Palavras) {
        const TRanhura& r = APuzzle.Ranhuras[static_cast<std::size_t>(w.Ranhura)];
        if (r.Horizontal != AHorizontal) continue;
        const int referencia = ReferenciaDaRanhura(r);
        if (aberto && atual.Referencia == referencia) {
            atual.Texto += " | " + w.Pista;
            continue;
        }
        if (aberto) grupos.push_back(atual);
        atual = {referencia, w.Pista};
        aberto = true;
    }
    if (aberto) grupos.push_back(atual);
    return grupos;
}

double ComporPistas(ICanvasPagina& ACanvas, const std::vector<TGrupoPistas>& AGrupos, double AX, double AY,
                    double ALargura, double ATamanhoPt, double AEntrelinha, bool ADesenhar) {
    if (AGrupos.empty()) return 0;
    const double sp = ACanvas.LarguraTexto(" ", ATamanhoPt, false);
    double a = 0;
    int n = 0;
    auto yDaLinha = [&] { return AY + n * AEntrelinha; };
    for (const TGrupoPistas& grupo : AGrupos) {
        const std::string numero = std::to_string(grupo.Referencia);
        const double wR = ACanvas.LarguraTexto(numero, ATamanhoPt, true);
        const std::vector<std::string> pistas = Dividir(grupo.Texto, " | ");
        bool primeira = true;
        for (std::size_t p = 0; p < pistas.size(); ++p) {
            const std::vector<std::string> palavras = Dividir(pistas[p], " ");
            for (std::size_t k = 0; k < palavras.size(); ++k) {
                // The bar stays on the line of the word it follows.
                const bool comBarra = k + 1 == palavras.size() && p + 1 < pistas.size();
                const std::string palavra = comBarra ? palavras[k] + " |" : palavras[k];
                const double wW = ACanvas.LarguraTexto(palavra, ATamanhoPt, false);
                if (primeira) {
                    // The number never ends a line without its first word.
                    if (a > 0 && a + wR + sp + wW > ALargura) {
                        ++n;
                        a = 0;
                    }
                    if (ADesenhar) {
                        ACanvas.Texto(AX + a, yDaLinha(), numero, ATamanhoPt, true, 0, TAlinhamento::alEsquerda);
                        ACanvas.Texto(AX + a + wR + sp, yDaLinha(), palavra, ATamanhoPt, false, 0,
                                      TAlinhamento::alEsquerda);
                    }
                    a += wR + sp + wW + sp;
                    primeira = false;
                    continue;
                }
                if (a > 0 && a + wW > ALargura) {
                    ++n;
                    a = 0;
                }
                if (ADesenhar) ACanvas.Texto(AX + a, yDaLinha(), palavra, ATamanhoPt, false, 0, TAlinhamento::alEsquerda);
                a += wW + sp;
            }
        }
        a += sp; // groups stand two spaces apart
    }
    return (n + 1) * AEntrelinha;
}

TDisposicao CalcularDisposicao(ICanvasPagina& ACanvas, const TPuzzle& APuzzle) {
    const std::vector<TGrupoPistas> horizontais = GruposDePistas(APuzzle, true);
    const std::vector<TGrupoPistas> verticais = GruposDePistas(APuzzle, false);
    const int L = APuzzle.Lado;
    TDisposicao resultado;
    for (const double s : TamanhosDePistas) {
        const double e = EntrelinhaDe(s);
        const double h =
            std::max(ComporPistas(ACanvas, horizontais, MargemEsquerda, 0, LarguraDaColuna, s, e, false),
                     ComporPistas(ACanvas, verticais, ColunaVerticais, 0, LarguraDaColuna, s, e, false));
        double c = CasaMaxima(L);
        while (true) {
            resultado = {c, s, e};
            if (L * c + TopoDoTabuleiro + IntervaloAosTitulos + IntervaloAsPistas + h <= LinhaMaisBaixa) return resultado;
            if (c <= CasaMinima) break;
            c = std::max(c - PassoDaCasa, CasaMinima);
        }
    }
    return resultado; // 7 mm and 6.5 pt: the block runs past 277 mm
}

void DesenharMoldura(ICanvasPagina& ACanvas, double AX, double AY, double ALargura, double AAltura,
                     double AEspessuraPt) {
    // Each side runs half a line width past the corners, so the corners close squarely.
    const double m = PtParaMm(AEspessuraPt) / 2;
    ACanvas.Linha(AX - m, AY, AX + ALargura + m, AY, AEspessuraPt, 0);
    ACanvas.Linha(AX - m, AY + AAltura, AX + ALargura + m, AY + AAltura, AEspessuraPt, 0);
    ACanvas.Linha(AX, AY - m, AX, AY + AAltura + m, AEspessuraPt, 0);
    ACanvas.Linha(AX + ALargura, AY - m, AX + ALargura, AY + AAltura + m, AEspessuraPt, 0);
}

void DesenharGrelha(ICanvasPagina& ACanvas, int ALado, const std::string& ALetras, double AX, double AY, double ACasa,
                    double AFinaPt, double AGrossaPt) {
    for (int r = 0; r < ALado; ++r)
        for (int c = 0; c < ALado; ++c)
            if (ALetras[static_cast<std::size_t>(r * ALado + c)] == '#')
                ACanvas.Rectangulo(AX + c * ACasa, AY + r * ACasa, ACasa, ACasa, 0, -1, 0);
    const double lado = ALado * ACasa;
    for (int k = 1; k < ALado; ++k) {
        ACanvas.Linha(AX, AY + k * ACasa, AX + lado, AY + k * ACasa, AFinaPt, 0);
        ACanvas.Linha(AX + k * ACasa, AY, AX + k * ACasa, AY + lado, AFinaPt, 0);
    }
    DesenharMoldura(ACanvas, AX, AY, lado, lado, AGrossaPt);
}

void DesenharTabuleiro(ICanvasPagina& ACanvas, int ALado, const std::string& ALetras, double AX, double AY,
                       double ACasa) {
    DesenharGrelha(ACanvas, ALado, ALetras, AX, AY, ACasa, 0.6, 1.2);
    const double tamanho = std::min(MmParaPt(ACasa * 0.42), 9.0);
    const double h = ACanvas.AlturaTexto(tamanho);
    for (int k = 0; k < ALado; ++k) {
        const std::string numero = std::to_string(k + 1);
        ACanvas.Texto(AX + (k + 0.5) * ACasa, AY - h - 2, numero, tamanho, false, 0, TAlinhamento::alCentro);
        ACanvas.Texto(AX - 2, AY + k * ACasa + (ACasa - h) / 2, numero, tamanho, false, 0, TAlinhamento::alDireita);
    }
}

void DesenharPaginaDoPuzzle(ICanvasPagina& ACanvas, const TPuzzle& APuzzle, int ANumeroPuzzle) {
    const int L = APuzzle.Lado;
    const TDisposicao d = CalcularDisposicao(ACanvas, APuzzle);
    const double largura = d.Casa * L;
    ACanvas.Texto(192, 18, "#" + std::to_string(ANumeroPuzzle), 14, true, 0, TAlinhamento::alDireita);
    DesenharTabuleiro(ACanvas, L, APuzzle.Letras, (210 - largura) / 2, TopoDoTabuleiro, d.Casa);
    const double y = TopoDoTabuleiro + largura + IntervaloAosTitulos;
    ACanvas.Texto(MargemEsquerda, y, "Horizontais", 11, true, 0, TAlinhamento::alEsquerda);
    ACanvas.Texto(ColunaVerticais, y, "Verticais", 11, true, 0, TAlinhamento::alEsquerda);
    ComporPistas(ACanvas, GruposDePistas(APuzzle, true), MargemEsquerda, y + IntervaloAsPistas, LarguraDaColuna,
                 d.TamanhoPistas, d.Entrelinha, true);
    ComporPistas(ACanvas, GruposDePistas(APuzzle, false), ColunaVerticais, y + IntervaloAsPistas, LarguraDaColuna,
                 d.TamanhoPistas, d.Entrelinha, true);
}

} // namespace vorleta
