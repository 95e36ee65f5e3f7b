#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>

#include "core/aleatorio.hpp"
#include "core/tipos.hpp"

using namespace vorleta;

namespace {
template <typename F>
void EsperarErro(F AChamada, const char* AMensagem) {
    try {
        AChamada();
        FAIL() << "esperava " << AMensagem;
    } catch (const EVorleta& e) {
        EXPECT_STREQ(e.what(), AMensagem);
    }
}
} // namespace

TEST(Aleatorio, ValoresDeReferencia) {
    EXPECT_EQ(MisturarSemente(0), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(MisturarSemente(1), 0x910A2DEC89025CC1ULL);
    EXPECT_EQ(CombinarSementes(1, 0), 2743206200u);
    EXPECT_EQ(CombinarSementes(12345, 1), 1208015187u);

    TGeradorAleatorio zero(0);
    EXPECT_EQ(zero.Estado(), 0xD0BF82A3B3C91F59ULL);
    EXPECT_EQ(zero.Incremento(), 0x6DULL);
    for (std::uint32_t esperado : {4256457349u, 2064231222u, 365850153u, 3719945064u, 1711182045u})
        EXPECT_EQ(zero.ProximoU32(), esperado);

    TGeradorAleatorio um(1);
    for (std::uint32_t esperado : {3244702465u, 3992739768u, 3339693608u, 1711587269u, 2357914069u})
        EXPECT_EQ(um.ProximoU32(), esperado);

    TGeradorAleatorio limites(1);
    for (int esperado : {5, 8, 8, 9, 9}) EXPECT_EQ(limites.Limite(10), esperado);

    TGeradorAleatorio reais(1);
    for (double esperado : {0.7554661700847161, 0.7775830134638396, 0.5489946474608643})
        EXPECT_DOUBLE_EQ(reais.Real01(), esperado);

    TGeradorAleatorio iniciado(0);
    iniciado.Iniciar(42, 54);
    for (std::uint32_t esperado : {0xA15C02B7u, 0x7B47F409u, 0xBA1D3330u}) EXPECT_EQ(iniciado.ProximoU32(), esperado);
}

TEST(Aleatorio, ErrosDeArgumentoNaoMexemNoEstado) {
    TGeradorAleatorio g(7);
    const auto estado = g.Estado();
    EsperarErro([&] { g.Limite(0); }, "TGeradorAleatorio.Limite: limite tem de ser positivo");
    EsperarErro([&] { g.Limite(-3); }, "TGeradorAleatorio.Limite: limite tem de ser positivo");
    EsperarErro([&] { g.Limite64(0); }, "TGeradorAleatorio.Limite64: limite tem de ser positivo");
    EsperarErro([&] { g.Entre(6, 5); }, "TGeradorAleatorio.Entre: maximo menor do que o minimo");
    EsperarErro([&] { g.Ponderado({}); }, "TGeradorAleatorio.Ponderado: soma dos pesos e zero");
    EsperarErro([&] { g.Ponderado({0, 0}); }, "TGeradorAleatorio.Ponderado: soma dos pesos e zero");
    EsperarErro([&] { g.Ponderado({1, -1}); }, "TGeradorAleatorio.Ponderado: peso negativo");
    EsperarErro([&] { g.Ponderado({std::numeric_limits<std::int64_t>::max(), 1}); },
                "TGeradorAleatorio.Ponderado: soma dos pesos excede Int64");
    // The first offending weight decides.
    EsperarErro([&] { g.Ponderado({std::numeric_limits<std::int64_t>::max(), 1, -1}); },
                "TGeradorAleatorio.Ponderado: soma dos pesos excede Int64");
    EXPECT_EQ(g.Estado(), estado);
}

TEST(Aleatorio, EntreCom32BitsSemComportamentoIndefinido) {
    TGeradorAleatorio g(3);
    // Ranges wider than the largest Integer wrap and make Limite refuse them.
    EsperarErro([&] { g.Entre(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()); },
                "TGeradorAleatorio.Limite: limite tem de ser positivo");
    EsperarErro([&] { g.Entre(-2, std::numeric_limits<int>::max()); },
                "TGeradorAleatorio.Limite: limite tem de ser positivo");
    for (int i = 0; i < 100; ++i) {
        const int v = g.Entre(std::numeric_limits<int>::max() - 3, std::numeric_limits<int>::max());
        EXPECT_GE(v, std::numeric_limits<int>::max() - 3);
    }
    const int v = g.Entre(-5, std::numeric_limits<int>::max() - 6);
    EXPECT_GE(v, -5);
}

TEST(Aleatorio, QuantosNumerosCadaChamadaGasta) {
    struct Caso {
        const char* nome;
        std::function<void(TGeradorAleatorio&)> chamada;
        int numeros;
    };
    const Caso casos[] = {
        {"Limite(1)", [](TGeradorAleatorio& g) { EXPECT_EQ(g.Limite(1), 0); }, 1},
        {"Limite64(1)", [](TGeradorAleatorio& g) { EXPECT_EQ(g.Limite64(1), 0u); }, 2},
        {"Entre(5,5)", [](TGeradorAleatorio& g) { EXPECT_EQ(g.Entre(5, 5), 5); }, 1},
        {"Real01", [](TGeradorAleatorio& g) { g.Real01(); }, 2},
        {"Baralhar de 1", [](TGeradorAleatorio& g) { std::vector<int> v{1}; g.Baralhar(v); }, 0},
        {"Baralhar de 3", [](TGeradorAleatorio& g) { std::vector<int> v{1, 2, 3}; g.Baralhar(v); }, 2},
    };
    for (const Caso& caso : casos) {
        TGeradorAleatorio a(11), b(11);
        caso.chamada(a);
        for (int i = 0; i < caso.numeros; ++i) b.ProximoU32();
        EXPECT_EQ(a.Estado(), b.Estado()) << caso.nome;
    }
}

TEST(Aleatorio, PonderadoNuncaEscolhePesoZero) {
    TGeradorAleatorio g(5);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(g.Ponderado({0, 0, 7}), 2);
    int contagem[3] = {};
    for (int i = 0; i < 3000; ++i) ++contagem[g.Ponderado({1, 0, 2})];
    EXPECT_EQ(contagem[1], 0);
    EXPECT_GT(contagem[2], contagem[0]);
}

TEST(Aleatorio, Real01NuncaChegaAUm) {
    TGeradorAleatorio g(9);
    for (int i = 0; i < 100000; ++i) {
        const double r = g.Real01();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

TEST(Aleatorio, ReproduzivelEReiniciavel) {
    TGeradorAleatorio a(123456), b(123456);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(a.ProximoU32(), b.ProximoU32());
    b.Iniciar(MisturarSemente(123456), 54);
    TGeradorAleatorio c(123456);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(b.ProximoU32(), c.ProximoU32());
    EXPECT_NE(CombinarSementes(1, 0), CombinarSementes(0, 1));
}

TEST(Aleatorio, BaralharEhPermutacao) {
    TGeradorAleatorio g(1);
    std::vector<int> v(100);
    for (int i = 0; i < 100; ++i) v[static_cast<std::size_t>(i)] = i;
    g.Baralhar(v);
    std::vector<int> ordenado = v;
    std::sort(ordenado.begin(), ordenado.end());
    for (int i = 0; i < 100; ++i) EXPECT_EQ(ordenado[static_cast<std::size_t>(i)], i);
    EXPECT_NE(v, ordenado);
}
