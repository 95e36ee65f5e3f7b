#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

#include "core/recursos.hpp"
#include "dictionary/descodificacao.hpp"
#include "dictionary/dicionario.hpp"

using namespace vorleta;
namespace fs = std::filesystem;

namespace {

std::unique_ptr<TDicionario> Carregar(const std::vector<std::string>& ALinhas, TRelatorioDic& ARel) {
    return CriarDicionarioDeLinhas(ALinhas, ARel);
}

std::string Utf16(const std::u16string& ATexto, bool AGrande) {
    std::string bytes = AGrande ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t u : ATexto) {
        const char alto = static_cast<char>(u >> 8), baixo = static_cast<char>(u & 0xFF);
        bytes += AGrande ? alto : baixo;
        bytes += AGrande ? baixo : alto;
    }
    return bytes;
}

} // namespace

TEST(DicionarioEmbutido, CarregaSemRejeicoesNemRepeticoes) {
    TRelatorioDic rel;
    const auto dic = CarregarDicionario(PastaDoPrograma(), rel);
    EXPECT_EQ(rel.Rejeitadas, 0);
    EXPECT_EQ(rel.Repetidas, 0);
    EXPECT_TRUE(rel.Detalhe.empty());
    EXPECT_EQ(rel.Lidas, rel.Aceites);
    // The figures of the shipped word list; they change when the list does.
    EXPECT_EQ(rel.Aceites, 45861);
    EXPECT_EQ(rel.Comuns, 30001);
    EXPECT_EQ(rel.Pistas, 78085);
    EXPECT_EQ(dic->Total(), 45861);
    const std::map<int, int> comunsPorComprimento = {{3, 151},   {4, 817},   {5, 2275},  {6, 3389}, {7, 4454},
                                                     {8, 4950},  {9, 4533},  {10, 3723}, {11, 2517}, {12, 1566},
                                                     {13, 884},  {14, 487},  {15, 255}};
    for (const auto& [n, comuns] : comunsPorComprimento) EXPECT_EQ(dic->ContarComunsComprimento(n), comuns) << n;
    const std::map<int, int> porComprimento = {{3, 175},   {4, 959},   {5, 2725},  {6, 4381}, {7, 6147},
                                              {8, 7215},  {9, 7188},  {10, 6418}, {11, 4454}, {12, 2923},
                                              {13, 1728}, {14, 991},  {15, 557}};
    for (const auto& [n, total] : porComprimento) EXPECT_EQ(dic->ContarComprimento(n), total) << n;
    EXPECT_EQ(dic->MaiorComprimento(), 15);
}

TEST(Carregamento, PistasAparadasEFormaDeGrelha) {
    TRelatorioDic rel;
    const auto dic = Carregar({"  Água  |  Elemento líquido  ", "CASA||lar|"}, rel);
    ASSERT_EQ(dic->Total(), 2);
    const TPalavraDic& agua = dic->GetPalavra(dic->IndiceDaGrelha("AGUA"));
    EXPECT_EQ(agua.Texto, "ÁGUA");
    EXPECT_EQ(agua.Grelha, "AGUA");
    EXPECT_EQ(agua.Pistas, std::vector<std::string>{"Elemento líquido"});
    EXPECT_EQ(dic->GetPalavra(dic->IndiceDaGrelha("CASA")).Pistas, std::vector<std::string>{"lar"});
}

TEST(Carregamento, SemPistaDependeDeExigirPistas) {
    TRelatorioDic rel;
    const auto exigente = Carregar({"CASA", "CASA|"}, rel);
    EXPECT_EQ(exigente->Total(), 0);
    EXPECT_EQ(rel.SemPista, 2);
    EXPECT_EQ(rel.Rejeitadas, 2);
    EXPECT_EQ(rel.Detalhe[0], "linha 1: «CASA» - sem significado");

    TDicionario tolerante;
    tolerante.CarregarDeLinhas({"CASA", "CASA|"}, rel);
    EXPECT_EQ(tolerante.Total(), 1);
    EXPECT_TRUE(tolerante.GetPalavra(0).Pistas.empty());
    EXPECT_EQ(rel.Repetidas, 1);
}

TEST(Carregamento, MotivosDeRejeicao) {
    struct Caso {
        std::string linha;
        std::string detalhe;
    };
    const Caso casos[] = {
        {"bem-vindo|saudação", "linha 1: «bem-vindo» - tem algo que não é letra"},
        {"BOM DIA|x", "linha 1: «BOM DIA» - tem algo que não é letra"},
        {"AÑO|x", "linha 1: «AÑO» - tem algo que não é letra"},
        {"MÌL|x", "linha 1: «MÌL» - tem algo que não é letra"},
        {"ſAL|x", "linha 1: «ſAL» - tem algo que não é letra"},
        {"A|artigo", "linha 1: «A» - comprimento fora de 2 a 15 letras"},
        {"|pista", "linha 1: «» - comprimento fora de 2 a 15 letras"},
        {"ABCDEFGHIJKLMNOP|x", "linha 1: «ABCDEFGHIJKLMNOP» - comprimento fora de 2 a 15 letras"},
    };
    for (const Caso& caso : casos) {
        TRelatorioDic rel;
        const auto dic = Carregar({caso.linha}, rel);
        EXPECT_EQ(dic->Total(), 0) << caso.linha;
        EXPECT_EQ(rel.Rejeitadas, 1) << caso.linha;
        ASSERT_EQ(rel.Detalhe.size(), 1u);
        EXPECT_EQ(rel.Detalhe[0], caso.detalhe);
    }
    TRelatorioDic rel;
    const auto dic = Carregar({"cão|x", "ABCDEFGHIJKLMNO|x"}, rel);
    EXPECT_EQ(dic->GetPalavra(dic->IndiceDaGrelha("CAO")).Texto, "CÃO");
    EXPECT_EQ(dic->Total(), 2);
}

TEST(Carregamento, SeccoesEFusao) {
    TRelatorioDic rel;
    const auto dic = Carregar({"#SECCAO RARAS", "POR|x", "#SECCAO COMUNS", "PÔR|y", "#seccao raras", "PÔR|y|z",
                               "OLA|a", "#SECCAO COMUNS E RARAS", "SOL|s", "#SECÇÃO COMUNS", "LUA|l"},
                              rel);
    const TPalavraDic& por = dic->GetPalavra(dic->IndiceDaGrelha("POR"));
    EXPECT_TRUE(por.Comum);
    EXPECT_EQ(por.Texto, "PÔR");
    EXPECT_EQ(por.Pistas, (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_FALSE(dic->GetPalavra(dic->IndiceDaGrelha("OLA")).Comum);
    // "COMUNS E RARAS" is rare: the rare test comes first.
    EXPECT_FALSE(dic->GetPalavra(dic->IndiceDaGrelha("SOL")).Comum);
    // "#SECÇÃO" is an ordinary comment: LUA stays rare.
    EXPECT_FALSE(dic->GetPalavra(dic->IndiceDaGrelha("LUA")).Comum);
    EXPECT_EQ(rel.Repetidas, 2);
    EXPECT_EQ(rel.Lidas, rel.Aceites + rel.Repetidas + rel.Rejeitadas);
    EXPECT_EQ(rel.Comuns, 1);
    EXPECT_EQ(rel.Pistas, 6);
}

TEST(Carregamento, RepeticaoRaraNaoMudaEntradaComum) {
    TRelatorioDic rel;
    const auto dic = Carregar({"PÔR|a|a", "#SECCAO RARAS", "POR|b|a"}, rel);
    const TPalavraDic& por = dic->GetPalavra(0);
    EXPECT_TRUE(por.Comum);
    EXPECT_EQ(por.Texto, "PÔR");
    // A clue repeated within one line stays; a merged line adds only new clues.
    EXPECT_EQ(por.Pistas, (std::vector<std::string>{"a", "a", "b"}));
}

TEST(Carregamento, DetalheLimitadoA30Linhas) {
    std::vector<std::string> linhas(40, "X-Y|z");
    linhas.push_back("BOA|ok");
    TRelatorioDic rel;
    const auto dic = Carregar(linhas, rel);
    EXPECT_EQ(rel.Rejeitadas, 40);
    EXPECT_EQ(rel.Detalhe.size(), 30u);
    EXPECT_EQ(rel.Detalhe.back(), "linha 30: «X-Y» - tem algo que não é letra");
    EXPECT_EQ(dic->Total(), 1);
}

TEST(Carregamento, OrdenadoPorFormaDeGrelha) {
    TRelatorioDic rel;
    const auto dic = Carregar({"CASAS|b", "CASA|a", "AÇO|c", "ZZ|d"}, rel);
    std::vector<std::string> grelhas;
    for (int i = 0; i < dic->Total(); ++i) grelhas.push_back(dic->GetPalavra(i).Grelha);
    EXPECT_EQ(grelhas, (std::vector<std::string>{"ACO", "CASA", "CASAS", "ZZ"}));
}

TEST(Descodificacao, CincoCodificacoesDaoOMesmoDicionario) {
    const std::string utf8 = "#SECCAO COMUNS\r\nÁGUA|Elemento líquido\r\nCÃO|Animal\nAÇÚCAR|Doce\r";
    const std::u16string utf16 = u"#SECCAO COMUNS\r\nÁGUA|Elemento líquido\r\nCÃO|Animal\nAÇÚCAR|Doce\r";
    const std::string cp1252 = "#SECCAO COMUNS\r\n\xC1GUA|Elemento l\xEDquido\r\nC\xC3O|Animal\nA\xC7\xDA" "CAR|Doce\r";
    const std::string variantes[] = {utf8, "\xEF\xBB\xBF" + utf8, Utf16(utf16, false), Utf16(utf16, true), cp1252};
    for (const std::string& bytes : variantes) {
        const std::string texto = TextoDeBytes(bytes);
        EXPECT_EQ(texto, utf8);
        TRelatorioDic rel;
        const auto dic = Carregar(DividirLinhas(texto), rel);
        EXPECT_EQ(dic->Total(), 3);
        EXPECT_EQ(dic->GetPalavra(dic->IndiceDaGrelha("ACUCAR")).Texto, "AÇÚCAR");
    }
    EXPECT_EQ(TextoDeBytes("\x80\x9F"), "€Ÿ");
    EXPECT_EQ(TextoDeBytes(""), "");
}

TEST(Descodificacao, Utf8Valido) {
    EXPECT_TRUE(Utf8Valido("abc \xC3\xA1 \xE2\x82\xAC \xF0\x9F\x98\x80", 0));
    EXPECT_FALSE(Utf8Valido("\xC3", 0));             // cut short
    EXPECT_FALSE(Utf8Valido("\xC0\x80", 0));         // lead byte C0
    EXPECT_FALSE(Utf8Valido("\xE2\x28\xA1", 0));     // bad continuation
    EXPECT_FALSE(Utf8Valido("\xF5\x80\x80\x80", 0)); // lead byte F5
    EXPECT_TRUE(Utf8Valido("\xFFok", 1));
}

TEST(Descodificacao, DividirLinhas) {
    EXPECT_EQ(DividirLinhas("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(DividirLinhas("a\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(DividirLinhas("a\n\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(DividirLinhas("").empty());
}

TEST(EntradaHostil, BytesQueNaoSaoTextoELinhasEnormes) {
    std::string lixo;
    for (int i = 0; i < 100000; ++i) lixo += static_cast<char>((i * 7919) % 256);
    TRelatorioDic rel;
    const auto dic = Carregar(DividirLinhas(TextoDeBytes(lixo)), rel);
    EXPECT_EQ(rel.Lidas, rel.Aceites + rel.Repetidas + rel.Rejeitadas);

    const std::string enorme(4 * 1024 * 1024, 'A');
    const auto grande = Carregar({enorme + "|pista", "|" + enorme}, rel);
    EXPECT_EQ(grande->Total(), 0);
    EXPECT_EQ(rel.Rejeitadas, 2);
}

TEST(Ficheiro, InexistenteERecursoEmFalta) {
    TRelatorioDic rel;
    try {
        CarregarDicionarioDeFicheiro("/nao/existe/Dicionario.txt", rel);
        FAIL();
    } catch (const EVorleta& e) {
        EXPECT_STREQ(e.what(), "Dicionário não encontrado: /nao/existe/Dicionario.txt");
    }
    const auto anterior = SubstituirRecursos({});
    try {
        CarregarDicionario("/nao/existe", rel);
        ADD_FAILURE();
    } catch (const EVorleta& e) {
        EXPECT_STREQ(e.what(), "Dicionário não encontrado: /nao/existe/Dicionario.txt");
    }
    SubstituirRecursos(anterior);
}

TEST(Ficheiro, EmbutidoTemPrioridadeSobreOFicheiro) {
    const fs::path pasta = fs::temp_directory_path() / ("vorleta-dic-" + std::to_string(::getpid()));
    fs::create_directories(pasta);
    std::ofstream(pasta / "Dicionario.txt") << "SOL|Astro\n";
    TRelatorioDic rel;
    EXPECT_GT(CarregarDicionario(pasta.string(), rel)->Total(), 1000);
    const auto anterior = SubstituirRecursos({});
    EXPECT_EQ(CarregarDicionario(pasta.string(), rel)->Total(), 1);
    SubstituirRecursos(anterior);
    fs::remove_all(pasta);
}
