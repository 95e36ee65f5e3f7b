#include "grid/padroes.hpp"

#include <mutex>

#include "core/ficheiros.hpp"
#include "core/recursos.hpp"
#include "core/texto.hpp"
#include "grid/grelha.hpp"

namespace vorleta {

namespace {

struct TCacheBiblioteca {
    std::mutex Trinco;
    std::string Texto;
    bool Carregado = false;
};

TCacheBiblioteca& Cache() {
    static TCacheBiblioteca cache;
    return cache;
}

std::string SemMarcaUtf8(std::string ATexto) {
    if (ATexto.rfind("\xEF\xBB\xBF", 0) == 0) ATexto.erase(0, 3);
    return ATexto;
}

std::string SemU_FEFF(std::string ALinha) {
    static const std::string marca = "\xEF\xBB\xBF";
    for (auto pos = ALinha.find(marca); pos != std::string::npos; pos = ALinha.find(marca, pos))
        ALinha.erase(pos, marca.size());
    return ALinha;
}

} // namespace

std::string TextoDaBiblioteca() {
    if (const auto embutido = ProcurarRecurso("PADROES")) return std::string(*embutido);
    const std::string pasta = PastaDoPrograma();
    for (const std::string& caminho : {pasta + "Padroes.txt", pasta + "../Padroes.txt", std::string("Padroes.txt")})
        if (FicheiroExiste(caminho)) return SemMarcaUtf8(LerFicheiro(caminho));
    return {};
}

std::vector<TPadrao> LerPadroesDoTexto(const std::string& ATexto, int ALado) {
    std::vector<TPadrao> padroes;
    for (const std::string& bruta : Dividir(ATexto, "\n")) {
        const std::string linha = Aparar(bruta);
        if (linha.empty() || linha[0] == ';') continue;
        int lado = 0;
        TPadrao padrao;
        try {
            padrao = PadraoDeTexto(SemU_FEFF(linha), lado);
        } catch (const EVorleta&) {
            continue; // a malformed line is skipped without a report
        }
        if (lado == ALado) padroes.push_back(std::move(padrao));
    }
    return padroes;
}

std::vector<TPadrao> PadroesDaBiblioteca(int ALado) {
    TCacheBiblioteca& cache = Cache();
    std::lock_guard<std::mutex> trinco(cache.Trinco);
    if (!cache.Carregado) {
        cache.Texto = TextoDaBiblioteca();
        cache.Carregado = true;
    }
    return LerPadroesDoTexto(cache.Texto, ALado);
}

void EsquecerBibliotecaDePadroes() {
    TCacheBiblioteca& cache = Cache();
    std::lock_guard<std::mutex> trinco(cache.Trinco);
    cache.Texto.clear();
    cache.Carregado = false;
}

TPadrao TransformarPadrao(const TPadrao& ACasas, int ALado, int ASimetria) {
    TPadrao resultado(ACasas.size(), 0);
    for (int i = 0; i < ALado; ++i)
        for (int j = 0; j < ALado; ++j) {
            int r = i, c = j;
            if (ASimetria & 1) std::swap(r, c);
            if (ASimetria & 2) c = ALado - 1 - c;
            if (ASimetria & 4) r = ALado - 1 - r;
            resultado[static_cast<std::size_t>(i * ALado + j)] = ACasas[static_cast<std::size_t>(r * ALado + c)];
        }
    return resultado;
}

std::string ChaveDoPadrao(const TPadrao& ACasas, int ALado) {
    std::string menor = PadraoParaTexto(ACasas, ALado);
    for (int s = 1; s < 8; ++s) {
        std::string texto = PadraoParaTexto(TransformarPadrao(ACasas, ALado, s), ALado);
        if (texto < menor) menor = std::move(texto);
    }
    return menor;
}

} // namespace vorleta
