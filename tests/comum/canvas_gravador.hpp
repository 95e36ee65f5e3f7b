#pragma once
// A page surface that records every call with its arguments, with a fixed
// text metric (every character 1 mm wide at 10 pt, scaled with the size, bold
// 10% wider; line height 0.4 mm per point), so that layout arithmetic can be
// checked exactly.

#include <string>
#include <vector>

#include "core/texto.hpp"
#include "pages/canvas.hpp"

namespace vorleta::teste {

struct TChamadaCanvas {
    std::string Operacao; // "Linha", "Rectangulo", "Poligono", "Texto", "Imagem"
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0; // Linha: both ends; others: X1, Y1 and size in X2, Y2
    double Espessura = 0;
    int Cinza = 0, Preenchimento = 0;
    std::string Texto;
    double Tamanho = 0;
    bool Negrito = false;
    TAlinhamento Alinhamento = TAlinhamento::alEsquerda;
};

class TCanvasGravador : public ICanvasPagina {
public:
    std::vector<TChamadaCanvas> Chamadas;

    void Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt, int ACinza) override {
        Chamadas.push_back({"Linha", X1, Y1, X2, Y2, AEspessuraPt, ACinza, 0, "", 0, false, TAlinhamento::alEsquerda});
    }
    void Rectangulo(double X, double Y, double ALargura, double AAltura, double AEspessuraPt, int AContorno,
                    int APreenchimento) override {
        Chamadas.push_back({"Rectangulo", X, Y, ALargura, AAltura, AEspessuraPt, AContorno, APreenchimento, "", 0,
                            false, TAlinhamento::alEsquerda});
    }
    void Poligono(const std::vector<TPontoMm>&, double AEspessuraPt, int AContorno, int APreenchimento) override {
        Chamadas.push_back({"Poligono", 0, 0, 0, 0, AEspessuraPt, AContorno, APreenchimento, "", 0, false,
                            TAlinhamento::alEsquerda});
    }
    void Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt, bool ANegrito, int ACinza,
               TAlinhamento AAlinhamento) override {
        Chamadas.push_back({"Texto", X, Y, 0, 0, 0, ACinza, 0, ATexto, ATamanhoPt, ANegrito, AAlinhamento});
    }
    double LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) override {
        return static_cast<double>(PontosDeCodigo(ATexto).size()) * ATamanhoPt / 10 * (ANegrito ? 1.1 : 1.0);
    }
    double AlturaTexto(double ATamanhoPt) override { return 0.4 * ATamanhoPt; }
    void Imagem(double X, double Y, double ALargura, double AAltura, const std::string& ANome) override {
        Chamadas.push_back({"Imagem", X, Y, ALargura, AAltura, 0, 0, 0, ANome, 0, false, TAlinhamento::alEsquerda});
    }

    std::vector<TChamadaCanvas> Textos() const {
        std::vector<TChamadaCanvas> t;
        for (const auto& c : Chamadas)
            if (c.Operacao == "Texto") t.push_back(c);
        return t;
    }
    const TChamadaCanvas* ProcurarTexto(const std::string& ATexto) const {
        for (const auto& c : Chamadas)
            if (c.Operacao == "Texto" && c.Texto == ATexto) return &c;
        return nullptr;
    }
};

// A destination that keeps every page's recorder.
class TDestinoGravador : public IDestinoPaginas {
public:
    std::vector<TCanvasGravador*> Paginas;
    std::vector<std::unique_ptr<TCanvasGravador>> Donos;

    std::unique_ptr<ICanvasPagina> NovaPagina() override {
        // The composer owns the surface while it draws; a copy of its record is kept here.
        auto pagina = std::make_unique<TCanvasEspelho>(*this);
        return pagina;
    }

private:
    class TCanvasEspelho : public TCanvasGravador {
    public:
        explicit TCanvasEspelho(TDestinoGravador& ADestino) : FDestino(ADestino) {}
        ~TCanvasEspelho() override {
            auto copia = std::make_unique<TCanvasGravador>();
            copia->Chamadas = Chamadas;
            FDestino.Paginas.push_back(copia.get());
            FDestino.Donos.push_back(std::move(copia));
        }

    private:
        TDestinoGravador& FDestino;
    };
};

} // namespace vorleta::teste
