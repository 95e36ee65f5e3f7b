#include <gtest/gtest.h>

#include "generator/pistas.hpp"

using namespace vorleta;

namespace {

struct TCenario {
    std::unique_ptr<TDicionario> Dic;
    TPuzzle Puzzle;
};

// A puzzle whose words are the first field of each line, in that order.
TCenario Cenario(const std::vector<std::string>& ALinhas, bool AExigirPistas = true) {
    TCenario c;
    TRelatorioDic rel;
    c.Dic = std::make_unique<TDicionario>();
    c.Dic->DefinirExigirPistas(AExigirPistas);
    c.Dic->CarregarDeLinhas(ALinhas, rel);
    for (const std::string& linha : ALinhas) {
        const std::string palavra = linha.substr(0, linha.find('|'));
        c.Puzzle.Palavras.push_back({palavra, palavra, static_cast<int>(c.Puzzle.Palavras.size()), {}});
    }
    return c;
}

} // namespace

TEST(Pistas, SemPalavrasNaoGastaNumeros) {
    TCenario c = Cenario({});
    TGeradorAleatorio g(1);
    const auto estado = g.Estado();
    EXPECT_TRUE(AtribuirPistas(*c.Dic, c.Puzzle, g));
    EXPECT_EQ(g.Estado(), estado);
}

TEST(Pistas, Conflitos) {
    struct Caso {
        const char* nome;
        std::vector<std::string> linhas;
        bool resultado;
    };
    const Caso casos[] = {
        {"mesma pista", {"SOL|Astro", "LUA|Astro"}, false},
        {"só a caixa difere", {"SOL|Astro rei", "LUA|ASTRO REI"}, false},
        {"maiúscula acentuada", {"SOL|Órbita", "LUA|órbita"}, false},
        {"um acento difere", {"SOL|Orbita", "LUA|Órbita"}, true},
        {"sem conflito", {"SOL|Astro", "LUA|Satélite"}, true},
    };
    for (const Caso& caso : casos) {
        TCenario c = Cenario(caso.linhas);
        TGeradorAleatorio g(2);
        EXPECT_EQ(AtribuirPistas(*c.Dic, c.Puzzle, g), caso.resultado) << caso.nome;
    }
}

TEST(Pistas, TrintaTentativasGastamNumerosPrevisiveis) {
    TCenario c = Cenario({"SOL|Astro", "LUA|Astro"});
    TGeradorAleatorio g(3), h(3);
    EXPECT_FALSE(AtribuirPistas(*c.Dic, c.Puzzle, g));
    // Each attempt: two sort keys, then one draw for the first word before the second fails.
    for (int i = 0; i < 30; ++i) {
        h.Limite(100000);
        h.Limite(100000);
        h.Limite(1);
    }
    EXPECT_EQ(g.Estado(), h.Estado());
}

TEST(Pistas, MenosPistasPrimeiro) {
    // The one-clue word always comes first, so the other gets its second clue at the first attempt.
    for (std::uint32_t s = 0; s < 50; ++s) {
        TCenario c = Cenario({"MAR|Oceano|Água salgada", "RIO|Água salgada"});
        TGeradorAleatorio g(s);
        ASSERT_TRUE(AtribuirPistas(*c.Dic, c.Puzzle, g));
        EXPECT_EQ(c.Puzzle.Palavras[0].Pista, "Oceano");
        EXPECT_EQ(c.Puzzle.Palavras[1].Pista, "Água salgada");
    }
}

TEST(Pistas, EscolhaUniformeEntreLivres) {
    int primeira = 0, terceira = 0;
    for (std::uint32_t s = 0; s < 400; ++s) {
        TCenario c = Cenario({"AAA|b", "MAR|a|b|c"});
        TGeradorAleatorio g(s);
        ASSERT_TRUE(AtribuirPistas(*c.Dic, c.Puzzle, g));
        const std::string& pista = c.Puzzle.Palavras[1].Pista;
        ASSERT_NE(pista, "b");
        (pista == "a" ? primeira : terceira)++;
    }
    EXPECT_GT(primeira, 150);
    EXPECT_GT(terceira, 150);
}

TEST(Pistas, ErrosDePalavra) {
    TCenario fora = Cenario({"SOL|Astro"});
    fora.Puzzle.Palavras.push_back({"MAR", "MAR", 1, {}});
    TGeradorAleatorio g(4);
    try {
        AtribuirPistas(*fora.Dic, fora.Puzzle, g);
        FAIL();
    } catch (const EVorleta& e) {
        EXPECT_STREQ(e.what(), "AtribuirPistas: palavra fora do dicionário: MAR");
    }
    TCenario semPista = Cenario({"SOL|Astro", "MAR"}, false);
    try {
        AtribuirPistas(*semPista.Dic, semPista.Puzzle, g);
        FAIL();
    } catch (const EVorleta& e) {
        EXPECT_STREQ(e.what(), "AtribuirPistas: palavra sem pista: MAR");
    }
}
