#include <gtest/gtest.h>

#include <map>

#include "comum/invariantes.hpp"
#include "filler/resolvedor.hpp"
#include "grid/padroes.hpp"

using namespace vorleta;

namespace {

std::unique_ptr<TDicionario> Dic(const std::vector<std::string>& ALinhas) {
    TRelatorioDic rel;
    return CriarDicionarioDeLinhas(ALinhas, rel);
}

TPadrao DeTexto(const std::string& ATexto) {
    int lado = 0;
    return PadraoDeTexto(ATexto, lado);
}

TOpcoesPreenchimento Opcoes(bool ASoComuns, int ARamo, int AOlhar, int ATentativas = 1) {
    TOpcoesPreenchimento o;
    o.SoComuns = ASoComuns;
    o.Ramo = ARamo;
    o.Olhar = AOlhar;
    o.Tentativas = ATentativas;
    return o;
}

const TPadrao Branco3 = TPadrao(9, 0);
// One across slot and nothing else: the filler does not check the grid rules.
const TPadrao UmaRanhura = DeTexto(".../###/###");

} // namespace

TEST(OpcoesPorLado, Tabela) {
    struct Caso {
        int lado, ramo, olhar, tentativas;
    };
    for (const Caso c : {Caso{9, 10, 20, 2}, Caso{11, 10, 20, 2}, Caso{13, 10, 20, 1}, Caso{15, 10, 20, 2},
                         Caso{0, 12, 25, 3}}) {
        const TOpcoesPreenchimento o = OpcoesPreenchimentoParaLado(c.lado);
        EXPECT_TRUE(o.SoComuns);
        EXPECT_EQ(o.LimiteNos, 3000);
        EXPECT_EQ(o.Ramo, c.ramo) << c.lado;
        EXPECT_EQ(o.Olhar, c.olhar) << c.lado;
        EXPECT_EQ(o.Tentativas, c.tentativas) << c.lado;
        EXPECT_TRUE(o.Proibidas.empty());
    }
}

TEST(Preenchedor, SemRanhurasELimiteZero) {
    const auto dic = Dic({"ABC|x", "DEF|x", "GHI|x", "ADG|x", "BEH|x", "CFI|x"});
    TGeradorAleatorio g(1);
    TPuzzle p;
    EXPECT_TRUE(PreencherPadrao(*dic, TPadrao(9, 1), 3, g, Opcoes(true, 10, 20), p));
    EXPECT_EQ(p.Letras, "#########");
    EXPECT_TRUE(p.Palavras.empty());

    TOpcoesPreenchimento zero = Opcoes(true, 10, 20, 5);
    zero.LimiteNos = 0;
    EXPECT_FALSE(PreencherPadrao(*dic, Branco3, 3, g, zero, p));
    EXPECT_TRUE(p.Letras.empty());
    EXPECT_EQ(p.Lado, 0);
}

TEST(Preenchedor, TamanhoErrado) {
    const auto dic = Dic({"ABC|x"});
    TGeradorAleatorio g(1);
    TPuzzle p;
    try {
        PreencherPadrao(*dic, TPadrao(80, 0), 9, g, Opcoes(true, 10, 20), p);
        FAIL();
    } catch (const EVorleta& e) {
        EXPECT_STREQ(e.what(), "PreencherPadrao: o padrão não tem Lado * Lado casas");
    }
}

TEST(Preenchedor, RamoETentativasSobemParaUm) {
    const auto dic = Dic({"ABC|x", "DEF|x", "GHI|x", "ADG|x", "BEH|x", "CFI|x"});
    TGeradorAleatorio g(2);
    TOpcoesPreenchimento o = Opcoes(true, 0, 0, -5);
    TPuzzle p;
    // With Ramo raised to 1 and no look-ahead only one candidate per node is tried.
    int sucessos = 0;
    for (int i = 0; i < 50; ++i) sucessos += PreencherPadrao(*dic, Branco3, 3, g, o, p);
    EXPECT_GT(sucessos, 0);
    EXPECT_LT(sucessos, 50);
}

TEST(Preenchedor, PalavraNaoSeRepeteNoTabuleiro) {
    // A symmetric word square would use every word twice: no fill exists.
    const auto quadrado = Dic({"ABC|x", "BDE|x", "CEF|x"});
    TGeradorAleatorio g(3);
    TPuzzle p;
    EXPECT_FALSE(PreencherPadrao(*quadrado, Branco3, 3, g, Opcoes(true, 10, 20, 3), p));
}

TEST(Preenchedor, RanhuraComTodasAsLetrasFixasPrecisaDePalavra) {
    const auto sem = Dic({"ABC|x", "DEF|x", "GHI|x", "ADG|x", "BEH|x"});
    const auto com = Dic({"ABC|x", "DEF|x", "GHI|x", "ADG|x", "BEH|x", "CFI|x"});
    TGeradorAleatorio g(4);
    TPuzzle p;
    EXPECT_FALSE(PreencherPadrao(*sem, Branco3, 3, g, Opcoes(true, 10, 20, 3), p));
    ASSERT_TRUE(PreencherPadrao(*com, Branco3, 3, g, Opcoes(true, 10, 20, 3), p));
    EXPECT_TRUE(p.Letras == "ABCDEFGHI" || p.Letras == "ADGBEHCFI") << p.Letras;
    vorleta::teste::VerificarPuzzle(p, *com, false);
}

TEST(Preenchedor, SoComunsNuncaUsaPalavraRara) {
    const auto dic = Dic({"ABC|x", "DEF|x", "GHI|x", "ADG|x", "BEH|x", "#SECCAO RARAS", "CFI|x"});
    TGeradorAleatorio g(5);
    TPuzzle p;
    EXPECT_FALSE(PreencherPadrao(*dic, Branco3, 3, g, Opcoes(true, 10, 20, 3), p));
    EXPECT_TRUE(PreencherPadrao(*dic, Branco3, 3, g, Opcoes(false, 10, 20, 3), p));
}

TEST(Preenchedor, ProibidasCurtaOuQueEsvaziaUmComprimento) {
    const auto dic = Dic({"ABC|x", "DEF|x", "GHI|x", "ADG|x", "BEH|x", "CFI|x"});
    TGeradorAleatorio g(6);
    TPuzzle p;
    TOpcoesPreenchimento o = Opcoes(true, 10, 20, 3);
    o.Proibidas = {false, false}; // shorter than the dictionary: the rest stays allowed
    EXPECT_TRUE(PreencherPadrao(*dic, Branco3, 3, g, o, p));
    o.Proibidas = {false, false, false, false, false, true}; // one word forbidden: no fill
    EXPECT_FALSE(PreencherPadrao(*dic, Branco3, 3, g, o, p));
    TPreenchedor todas(*dic, Branco3, 3, g, [&] {
        TOpcoesPreenchimento t = o;
        t.Proibidas.assign(6, true);
        return t;
    }());
    EXPECT_EQ(todas.Base(3), TConjunto{0});
    EXPECT_FALSE(todas.Correr());
}

TEST(Preenchedor, ComprimentosForaDoDicionario) {
    const auto dic = Dic({"ABC|x"});
    TGeradorAleatorio g(7);
    TPuzzle p;
    // Slots of 16 letters and slots of a length with no word never fill.
    EXPECT_FALSE(PreencherPadrao(*dic, TPadrao(16 * 16, 0), 16, g, Opcoes(true, 10, 20), p));
    EXPECT_FALSE(PreencherPadrao(*dic, TPadrao(25, 0), 5, g, Opcoes(true, 10, 20), p));
}

TEST(Preenchedor, BasesComunsETodas) {
    std::vector<std::string> linhas;
    for (int i = 0; i < 65; ++i) {
        std::string w = "AA";
        w += static_cast<char>('A' + i / 26 % 26);
        w += static_cast<char>('A' + i % 26);
        w += 'Z';
        linhas.push_back(w + "|x");
    }
    TGeradorAleatorio g(8);
    const TPadrao cinco = DeTexto("...../#####/#####/#####/#####");
    const auto dic64 = Dic(std::vector<std::string>(linhas.begin(), linhas.begin() + 64));
    EXPECT_EQ(TPreenchedor(*dic64, cinco, 5, g, Opcoes(false, 10, 20)).Base(5), TConjunto{~0ULL});
    const auto dic65 = Dic(linhas);
    EXPECT_EQ(TPreenchedor(*dic65, cinco, 5, g, Opcoes(false, 10, 20)).Base(5), (TConjunto{~0ULL, 1ULL}));
}

TEST(Preenchedor, CruzamentosNoCantoSuperiorEsquerdo) {
    const auto dic = Dic({"ABC|x"});
    TGeradorAleatorio g(9);
    const TPadrao p = DeTexto("...#...../........./........./........./........./........./........./........./.....#...");
    ASSERT_EQ(ValidarPadrao(p, 9), "");
    TPreenchedor preenchedor(*dic, p, 9, g, Opcoes(true, 10, 20));
    const auto ranhuras = ExtrairRanhuras(p, 9);
    ASSERT_EQ(ranhuras[0], (TRanhura{0, 0, true, 3}));
    const auto& cruza = preenchedor.Cruzamentos()[0];
    ASSERT_EQ(cruza.size(), 3u);
    for (int j = 0; j < 3; ++j) {
        const TRanhura& r = ranhuras[static_cast<std::size_t>(cruza[static_cast<std::size_t>(j)])];
        EXPECT_FALSE(r.Horizontal);
        EXPECT_EQ(r.Coluna, j);
        EXPECT_EQ(r.Linha, 0);
    }
}

TEST(Preenchedor, OlharRecusaCandidatoQueEsvaziaCruzamento) {
    // Every word of the row or column chosen first leaves a crossing slot empty.
    const auto dic = Dic({"ABC|x", "DEF|x", "GHI|x"});
    TGeradorAleatorio g(10);
    TPreenchedor comOlhar(*dic, Branco3, 3, g, Opcoes(true, 10, 20, 1));
    EXPECT_FALSE(comOlhar.Correr());
    EXPECT_EQ(comOlhar.NosExpandidos(), 1); // nothing was tried at the root
    TPreenchedor semOlhar(*dic, Branco3, 3, g, Opcoes(true, 10, 0, 1));
    EXPECT_FALSE(semOlhar.Correr());
    EXPECT_EQ(semOlhar.NosExpandidos(), 4); // the root and one node per word tried
}

TEST(Preenchedor, ComunsPrimeiroSemOlhar) {
    // 40 candidates of which 3 are common: with Ramo 10 the first word tried is
    // always common, each of the three about equally often.
    std::vector<std::string> linhas = {"CAA|x", "CAB|x", "CAC|x", "#SECCAO RARAS"};
    for (int i = 0; i < 37; ++i) linhas.push_back(std::string("R") + static_cast<char>('A' + i / 26) + static_cast<char>('A' + i % 26) + "|x");
    const auto dic = Dic(linhas);
    std::map<std::string, int> escolhidas;
    for (std::uint32_t s = 0; s < 300; ++s) {
        TGeradorAleatorio g(s);
        TPuzzle p;
        ASSERT_TRUE(PreencherPadrao(*dic, UmaRanhura, 3, g, Opcoes(false, 10, 0), p));
        ++escolhidas[p.Palavras[0].Grelha];
    }
    ASSERT_EQ(escolhidas.size(), 3u);
    for (const auto& [palavra, vezes] : escolhidas) EXPECT_GT(vezes, 60) << palavra;
    // Without common words the draw covers the others.
    std::map<std::string, int> raras;
    const auto soRaras = Dic(std::vector<std::string>(linhas.begin() + 3, linhas.end()));
    for (std::uint32_t s = 0; s < 200; ++s) {
        TGeradorAleatorio g(s);
        TPuzzle p;
        ASSERT_TRUE(PreencherPadrao(*soRaras, UmaRanhura, 3, g, Opcoes(false, 1, 0), p));
        ++raras[p.Palavras[0].Grelha];
    }
    EXPECT_GT(raras.size(), 25u);
}

TEST(PreenchimentoReal, PadroesDaBibliotecaComODicionarioEmbutido) {
    const TDicionario& dic = vorleta::teste::DicionarioEmbutido();
    for (int lado : {9, 11, 13, 15}) {
        const TPadrao padrao = PadroesDaBiblioteca(lado)[0];
        // A larger budget than the default keeps the test short: it is about
        // what a fill looks like, not how often one succeeds.
        TOpcoesPreenchimento opcoes = OpcoesPreenchimentoParaLado(lado);
        opcoes.LimiteNos = 20000;
        bool preenchido = false;
        for (std::uint32_t s = 1; s <= 40 && !preenchido; ++s) {
            TGeradorAleatorio g(s);
            TPuzzle p;
            if (!PreencherPadrao(dic, padrao, lado, g, opcoes, p)) continue;
            preenchido = true;
            vorleta::teste::VerificarPuzzle(p, dic, false);
            for (const TPalavraColocada& w : p.Palavras) EXPECT_TRUE(dic.GetPalavra(dic.IndiceDaGrelha(w.Grelha)).Comum);
        }
        EXPECT_TRUE(preenchido) << lado;
    }
}

TEST(PreenchimentoReal, MesmaSementeMesmoPuzzle) {
    const TDicionario& dic = vorleta::teste::DicionarioEmbutido();
    const TPadrao padrao = PadroesDaBiblioteca(11)[0];
    TGeradorAleatorio a(42), b(42);
    TPuzzle pa, pb;
    const bool ra = PreencherPadrao(dic, padrao, 11, a, OpcoesPreenchimentoParaLado(11), pa);
    const bool rb = PreencherPadrao(dic, padrao, 11, b, OpcoesPreenchimentoParaLado(11), pb);
    EXPECT_EQ(ra, rb);
    EXPECT_EQ(pa, pb);
    EXPECT_EQ(a.Estado(), b.Estado());
}
