#include "generator/qualidade.hpp"

#include <algorithm>
#include <cstdlib>

#include "grid/grelha.hpp"

namespace vorleta {

namespace {

// The figures of a pattern's slot list that the checks use.
struct TEstatisticas {
    int N = 0;           // slots
    int Horizontais = 0;
    int Soma = 0;        // sum of lengths
    int Maior = 0;       // longest slot
    int Ate4 = 0;        // slots of 4 letters or fewer
    int Tres = 0;        // slots of exactly 3 letters
    std::vector<int> Comprimentos;

    int AoMenos(int AComprimento) const {
        return static_cast<int>(std::count_if(Comprimentos.begin(), Comprimentos.end(),
                                              [&](int c) { return c >= AComprimento; }));
    }
    double Media() const { return N == 0 ? 0.0 : static_cast<double>(Soma) / N; }
};

TEstatisticas Medir(const TPadrao& APretas, int ALado) {
    TEstatisticas e;
    for (const TRanhura& r : ExtrairRanhuras(APretas, ALado)) {
        ++e.N;
        if (r.Horizontal) ++e.Horizontais;
        e.Soma += r.Comprimento;
        e.Maior = std::max(e.Maior, r.Comprimento);
        if (r.Comprimento <= 4) ++e.Ate4;
        if (r.Comprimento == 3) ++e.Tres;
        e.Comprimentos.push_back(r.Comprimento);
    }
    return e;
}

} // namespace

std::string AvaliarEquilibrio(const TPadrao& APretas, int ALado) {
    const TEstatisticas e = Medir(APretas, ALado);
    const int h = e.Horizontais, v = e.N - e.Horizontais;
    if (e.N < 2 * ALado) return "poucas palavras (" + std::to_string(e.N) + ")";
    if (e.N > 5 * ALado) return "muitas palavras (" + std::to_string(e.N) + ")";
    if (6 * std::abs(h - v) > e.N)
        return "horizontais e verticais desequilibradas (" + std::to_string(h) + " e " + std::to_string(v) + ")";
    // Half-turn symmetry makes the two top blocks stand for all four quadrants.
    const int m = ALado / 2;
    int a = 0, b = 0;
    for (int l = 0; l < m; ++l)
        for (int c = 0; c < ALado; ++c) {
            if (!APretas[static_cast<std::size_t>(l * ALado + c)]) continue;
            if (c < m) ++a;
            else if (c > m) ++b;
        }
    if (std::abs(a - b) > (ALado + 2) / 3)
        return "quadrantes desequilibrados (" + std::to_string(a) + " e " + std::to_string(b) + " casas pretas)";
    return {};
}

int ContarLongas(const TPadrao& APretas, int ALado, int AComprimento) {
    return Medir(APretas, ALado).AoMenos(AComprimento);
}

double MediaComprimento(const TPadrao& APretas, int ALado) { return Medir(APretas, ALado).Media(); }

double FraccaoAte4(const TPadrao& APretas, int ALado) {
    const TEstatisticas e = Medir(APretas, ALado);
    return e.N == 0 ? 0.0 : static_cast<double>(e.Ate4) / e.N;
}

bool DemasiadasCurtas(const TPadrao& APretas, int ALado, double AMaxFraccao) {
    const TEstatisticas e = Medir(APretas, ALado);
    return e.N > 0 && e.Tres > AMaxFraccao * e.N;
}

bool TemRanhuraMaiorQue(const TPadrao& APretas, int ALado, int AMaximo) {
    return Medir(APretas, ALado).Maior > AMaximo;
}

bool PadraoAceitavel(const TPadrao& APretas, int ALado, const TOpcoesGerador& AOpc, int AMaiorComprimento) {
    if (!AvaliarEquilibrio(APretas, ALado).empty()) return false;
    const TEstatisticas e = Medir(APretas, ALado);
    if (AOpc.MaxFraccaoCurtas > 0 && e.N > 0 && e.Tres > AOpc.MaxFraccaoCurtas * e.N) return false;
    if (e.Maior > AMaiorComprimento) return false;
    if (AOpc.MaxLongas > 0 && e.AoMenos(8) > AOpc.MaxLongas) return false;
    if (AOpc.MaxAte4 > 0 && (e.N == 0 ? 0.0 : static_cast<double>(e.Ate4) / e.N) > AOpc.MaxAte4) return false;
    if (AOpc.MinLongas > 0 && e.AoMenos(AOpc.CompMinLongas) < AOpc.MinLongas) return false;
    if (AOpc.MinMedia > 0 && e.Media() < AOpc.MinMedia) return false;
    if (AOpc.MaxMedia > 0 && e.Media() > AOpc.MaxMedia) return false;
    return true;
}

double PenalidadePadrao(const TPadrao& APretas, int ALado, const TOpcoesGerador& AOpc) {
    const TEstatisticas e = Medir(APretas, ALado);
    if (e.N == 0) return 1000.0;
    const double media = e.Media();
    const int longas = e.AoMenos(AOpc.CompMinLongas);
    const int oitoOuMais = e.AoMenos(8);
    const double ate4 = static_cast<double>(e.Ate4) / e.N;
    const double tres = static_cast<double>(e.Tres) / e.N;
    double p = 0.0;
    if (AOpc.MaxMedia > 0 && media > AOpc.MaxMedia) p += (media - AOpc.MaxMedia) * 20;
    if (longas < AOpc.MinLongas) p += (AOpc.MinLongas - longas) * 2;
    if (AOpc.MaxLongas > 0 && oitoOuMais > AOpc.MaxLongas) p += (oitoOuMais - AOpc.MaxLongas) * 2;
    if (AOpc.MaxAte4 > 0 && ate4 > AOpc.MaxAte4) p += (ate4 - AOpc.MaxAte4) * 20;
    if (AOpc.MaxFraccaoCurtas > 0 && tres > AOpc.MaxFraccaoCurtas) p += (tres - AOpc.MaxFraccaoCurtas) * 20;
    if (e.Maior > 10) p += (e.Maior - 10) * 2;
    return p;
}

} // namespace vorleta
