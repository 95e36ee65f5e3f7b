#include "grid/grelha.hpp"

#include <cstdlib>

namespace vorleta {

namespace {

std::size_t Idx(int ACasa) { return static_cast<std::size_t>(ACasa); }

// One line of ALado cells from AInicio by APasso; the position past the end
// counts as black. False when some run of white cells has exactly two cells.
bool LinhaSemDuas(const TPadrao& ACasas, int ALado, int AInicio, int APasso) {
    int brancas = 0;
    for (int k = 0; k <= ALado; ++k) {
        if (k < ALado && !ACasas[Idx(AInicio + k * APasso)]) {
            ++brancas;
            continue;
        }
        if (brancas == 2) return false;
        brancas = 0;
    }
    return true;
}

// Lengths of the across and down runs through a white cell.
int ComprimentoDoTroco(const TPadrao& ACasas, int ALado, int ALinha, int AColuna, int ADl, int ADc) {
    int n = 1;
    for (int sinal : {-1, 1}) {
        int l = ALinha + sinal * ADl, c = AColuna + sinal * ADc;
        while (l >= 0 && l < ALado && c >= 0 && c < ALado && !ACasas[Idx(l * ALado + c)]) {
            ++n;
            l += sinal * ADl;
            c += sinal * ADc;
        }
    }
    return n;
}

} // namespace

bool LinhaSemDuasBrancas(const TPadrao& ACasas, int ALado, int ALinha) {
    return LinhaSemDuas(ACasas, ALado, ALinha * ALado, 1);
}

bool ColunaSemDuasBrancas(const TPadrao& ACasas, int ALado, int AColuna) {
    return LinhaSemDuas(ACasas, ALado, AColuna, ALado);
}

bool TemBlocoPreto(const TPadrao& ACasas, int ALado, int ALinha, int AColuna) {
    for (int r = ALinha - 1; r <= ALinha; ++r)
        for (int c = AColuna - 1; c <= AColuna; ++c) {
            if (r < 0 || c < 0 || r > ALado - 2 || c > ALado - 2) continue;
            const int a = r * ALado + c;
            if (ACasas[Idx(a)] && ACasas[Idx(a + 1)] && ACasas[Idx(a + ALado)] && ACasas[Idx(a + ALado + 1)])
                return true;
        }
    return false;
}

int PrimeiraCasaSemPalavra(const TPadrao& ACasas, int ALado) {
    for (int l = 0; l < ALado; ++l)
        for (int c = 0; c < ALado; ++c) {
            if (ACasas[Idx(l * ALado + c)]) continue;
            if (ComprimentoDoTroco(ACasas, ALado, l, c, 0, 1) < 3 ||
                ComprimentoDoTroco(ACasas, ALado, l, c, 1, 0) < 3)
                return l * ALado + c;
        }
    return -1;
}

bool BrancasLigadas(const TPadrao& ACasas, int ALado) {
    const int n = ALado * ALado;
    int brancas = 0, primeira = -1;
    for (int i = 0; i < n; ++i)
        if (!ACasas[Idx(i)]) {
            if (primeira < 0) primeira = i;
            ++brancas;
        }
    if (brancas == 0) return false;
    std::vector<char> visitada(Idx(n), 0);
    std::vector<int> pilha;
    pilha.reserve(Idx(n));
    pilha.push_back(primeira);
    visitada[Idx(primeira)] = 1;
    int visitadas = 0;
    while (!pilha.empty()) {
        const int casa = pilha.back();
        pilha.pop_back();
        ++visitadas;
        const int l = casa / ALado, c = casa % ALado;
        const int vizinhas[4][2] = {{l - 1, c}, {l + 1, c}, {l, c - 1}, {l, c + 1}};
        for (const auto& v : vizinhas) {
            if (v[0] < 0 || v[0] >= ALado || v[1] < 0 || v[1] >= ALado) continue;
            const int w = v[0] * ALado + v[1];
            if (ACasas[Idx(w)] || visitada[Idx(w)]) continue;
            visitada[Idx(w)] = 1;
            pilha.push_back(w);
        }
    }
    return visitadas == brancas;
}

std::string ValidarPadrao(const TPadrao& ACasas, int ALado) {
    if (ALado < 1 || ACasas.size() != static_cast<std::size_t>(ALado) * static_cast<std::size_t>(ALado))
        return "o vector não tem Lado * Lado casas";
    const int n = ALado * ALado;
    for (int i = 0; i < n; ++i)
        if (ACasas[Idx(i)] != ACasas[Idx(n - 1 - i)])
            return "não é simétrico (rotação de 180 graus) na casa " + std::to_string(i);
    for (int l = 0; l < ALado; ++l)
        if (!LinhaSemDuasBrancas(ACasas, ALado, l))
            return "sequência de 2 casas brancas na linha " + std::to_string(l);
    for (int c = 0; c < ALado; ++c)
        if (!ColunaSemDuasBrancas(ACasas, ALado, c))
            return "sequência de 2 casas brancas na coluna " + std::to_string(c);
    for (int i = 0; i < n; ++i)
        if (ACasas[Idx(i)] && TemBlocoPreto(ACasas, ALado, i / ALado, i % ALado))
            return "bloco de 2 x 2 casas pretas na linha " + std::to_string(i / ALado) + ", coluna " +
                   std::to_string(i % ALado);
    const int fora = PrimeiraCasaSemPalavra(ACasas, ALado);
    if (fora >= 0)
        return "casa branca fora de uma palavra horizontal ou vertical na linha " + std::to_string(fora / ALado) +
               ", coluna " + std::to_string(fora % ALado);
    if (!BrancasLigadas(ACasas, ALado)) return "as casas brancas não estão todas ligadas";
    return {};
}

std::vector<TRanhura> ExtrairRanhuras(const TPadrao& ACasas, int ALado) {
    std::vector<TRanhura> ranhuras;
    for (int horizontal = 1; horizontal >= 0; --horizontal)
        for (int linha = 0; linha < ALado; ++linha) {
            int inicio = 0;
            for (int k = 0; k <= ALado; ++k) {
                const int casa = horizontal ? linha * ALado + k : k * ALado + linha;
                if (k < ALado && !ACasas[Idx(casa)]) continue;
                const int comprimento = k - inicio;
                if (comprimento >= 2)
                    ranhuras.push_back(horizontal ? TRanhura{linha, inicio, true, comprimento}
                                                  : TRanhura{inicio, linha, false, comprimento});
                inicio = k + 1;
            }
        }
    return ranhuras;
}

int ContarRanhurasDeComprimento(const TPadrao& ACasas, int ALado, int AComprimento) {
    int total = 0;
    for (const TRanhura& r : ExtrairRanhuras(ACasas, ALado))
        if (r.Comprimento == AComprimento) ++total;
    return total;
}

int CasaDaRanhura(const TRanhura& ARanhura, int AIndice, int ALado) {
    if (AIndice < 0 || AIndice >= ARanhura.Comprimento) throw EVorleta("CasaDaRanhura: índice fora da ranhura");
    if (ARanhura.Horizontal) return ARanhura.Linha * ALado + ARanhura.Coluna + AIndice;
    return (ARanhura.Linha + AIndice) * ALado + ARanhura.Coluna;
}

int ReferenciaDaRanhura(const TRanhura& ARanhura) {
    return ARanhura.Horizontal ? ARanhura.Linha + 1 : ARanhura.Coluna + 1;
}

std::string PadraoParaTexto(const TPadrao& ACasas, int ALado) {
    std::string texto;
    texto.reserve(static_cast<std::size_t>(ALado * (ALado + 1)));
    for (int l = 0; l < ALado; ++l) {
        if (l > 0) texto += '/';
        for (int c = 0; c < ALado; ++c) texto += ACasas[Idx(l * ALado + c)] ? '#' : '.';
    }
    return texto;
}

TPadrao PadraoDeTexto(const std::string& ATexto, int& ALado) {
    if (ATexto.empty()) {
        ALado = 0;
        return {};
    }
    std::vector<std::string_view> pedacos;
    std::size_t inicio = 0;
    while (true) {
        const auto barra = ATexto.find('/', inicio);
        pedacos.push_back(std::string_view(ATexto).substr(inicio, barra == std::string::npos ? std::string::npos : barra - inicio));
        if (barra == std::string::npos) break;
        inicio = barra + 1;
    }
    ALado = static_cast<int>(pedacos.size());
    TPadrao casas;
    casas.reserve(pedacos.size() * pedacos.size());
    for (const std::string_view pedaco : pedacos) {
        if (pedaco.size() != pedacos.size()) throw EVorleta("PadraoDeTexto: o texto não é quadrado");
        for (const char c : pedaco) {
            if (c == '#') casas.push_back(1);
            else if (c == '.') casas.push_back(0);
            else throw EVorleta("PadraoDeTexto: carácter inválido");
        }
    }
    return casas;
}

TPadrao GerarPadrao(int ALado, TGeradorAleatorio& AGer, double ADensidade, double AProbEvitarCurtas) {
    if (ALado < 5 || ALado % 2 == 0)
        throw EVorleta("GerarPadrao: o lado tem de ser ímpar e pelo menos " + std::to_string(5));
    const int n = ALado * ALado;
    TPadrao casas(Idx(n), 0);
    std::vector<int> ordem(Idx(n));
    for (int i = 0; i < n; ++i) ordem[Idx(i)] = i;
    AGer.Baralhar(ordem);

    const double alvo = ADensidade * n;
    int pretas = 0;
    int curtas = 0;
    for (const int p : ordem) {
        if (pretas >= alvo) break;
        if (casas[Idx(p)]) continue;
        const int q = n - 1 - p;
        casas[Idx(p)] = casas[Idx(q)] = 1;
        const int lp = p / ALado, cp = p % ALado, lq = q / ALado, cq = q % ALado;
        bool aceite = LinhaSemDuasBrancas(casas, ALado, lp) && LinhaSemDuasBrancas(casas, ALado, lq) &&
                      ColunaSemDuasBrancas(casas, ALado, cp) && ColunaSemDuasBrancas(casas, ALado, cq) &&
                      !TemBlocoPreto(casas, ALado, lp, cp) && !TemBlocoPreto(casas, ALado, lq, cq) &&
                      PrimeiraCasaSemPalavra(casas, ALado) == -1 && BrancasLigadas(casas, ALado);
        if (aceite && AProbEvitarCurtas > 0) {
            const int novas = ContarRanhurasDeComprimento(casas, ALado, 3);
            if (novas > curtas) {
                if (AProbEvitarCurtas > AGer.Real01()) aceite = false;
                else curtas = novas;
            } else {
                curtas = novas;
            }
        }
        if (aceite) pretas += (p == q) ? 1 : 2;
        else casas[Idx(p)] = casas[Idx(q)] = 0;
    }
    return casas;
}

} // namespace vorleta
