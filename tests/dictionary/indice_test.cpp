#include <gtest/gtest.h>

#include "dictionary/dicionario.hpp"

using namespace vorleta;

namespace {

// n distinct five-letter words AAAAA, AAAAB, ... in alphabetical order.
std::vector<std::string> PalavrasDeCinco(int n, bool AComum = true) {
    std::vector<std::string> linhas;
    if (!AComum) linhas.push_back("#SECCAO RARAS");
    for (int i = 0; i < n; ++i) {
        std::string w = "AAAAA";
        int v = i;
        for (int p = 4; p >= 0; --p, v /= 26) w[static_cast<std::size_t>(p)] = static_cast<char>('A' + v % 26);
        linhas.push_back(w + "|pista " + std::to_string(i));
    }
    return linhas;
}

template <typename F>
void EsperarErro(F AChamada, const std::string& AMensagem) {
    try {
        AChamada();
        FAIL() << "esperava " << AMensagem;
    } catch (const EVorleta& e) {
        EXPECT_EQ(e.what(), AMensagem);
    }
}

} // namespace

TEST(Indice, DicionarioVazio) {
    TDicionario dic;
    EXPECT_EQ(dic.Total(), 0);
    EXPECT_EQ(dic.MaiorComprimento(), 0);
    for (int n = 0; n <= 16; ++n) EXPECT_EQ(dic.ContarComprimento(n), 0);
    EXPECT_TRUE(dic.MascaraDaLetra(5, 0, 'A').empty());
    EXPECT_TRUE(dic.MascaraComuns(5).empty());
    EsperarErro([&] { dic.PalavraDoGrupo(5, 0); }, "PalavraDoGrupo: fora do intervalo");
    EsperarErro([&] { dic.GetPalavra(0); }, "TDicionario: índice de palavra fora do intervalo");
}

TEST(Indice, GruposDe64E65Palavras) {
    for (const int n : {64, 65}) {
        TRelatorioDic rel;
        const auto dic = CriarDicionarioDeLinhas(PalavrasDeCinco(n), rel);
        ASSERT_EQ(dic->ContarComprimento(5), n);
        const TConjunto& comuns = dic->MascaraComuns(5);
        if (n == 64) {
            ASSERT_EQ(comuns.size(), 1u);
            EXPECT_EQ(comuns[0], ~0ULL);
        } else {
            ASSERT_EQ(comuns.size(), 2u);
            EXPECT_EQ(comuns[1], 1ULL);
        }
        // For each position the 26 letter masks partition the group.
        for (int p = 0; p < 5; ++p) {
            TConjunto uniao(comuns.size(), 0);
            for (char c = 'A'; c <= 'Z'; ++c) {
                const TConjunto& m = dic->MascaraDaLetra(5, p, c);
                for (std::size_t b = 0; b < m.size(); ++b) {
                    EXPECT_EQ(uniao[b] & m[b], 0u);
                    uniao[b] |= m[b];
                }
            }
            EXPECT_EQ(uniao, comuns);
        }
        EXPECT_EQ(dic->ContarPadrao("?????"), n);
        EXPECT_EQ(dic->ContarPadrao("????A"), (n + 25) / 26);
    }
}

TEST(Indice, ConsultasERangos) {
    TRelatorioDic rel;
    const auto dic = CriarDicionarioDeLinhas({"CASA|a", "COSA|b", "CUSA|c", "CASO|d", "AÇO|e", "#SECCAO RARAS", "MESA|f"}, rel);
    EXPECT_EQ(dic->ContarComprimento(4), 5);
    EXPECT_EQ(dic->ContarComunsComprimento(4), 4);
    EXPECT_EQ(dic->ContarComunsComprimento(1), 0);
    EXPECT_EQ(dic->MaiorComprimento(), 4);
    EXPECT_EQ(dic->ContarPadrao("C?SA"), 3);
    EXPECT_EQ(dic->ContarPadrao(""), 0);
    EXPECT_EQ(dic->ContarPadrao("A"), 0);
    EsperarErro([&] { dic->ContarPadrao("ab?"); }, "Padrão inválido: ab?");
    const std::vector<int> dois = dic->PalavrasDoPadrao("C?SA", 2);
    ASSERT_EQ(dois.size(), 2u);
    EXPECT_EQ(dic->GetPalavra(dois[0]).Grelha, "CASA");
    EXPECT_EQ(dic->GetPalavra(dois[1]).Grelha, "COSA");
    EXPECT_TRUE(dic->PalavrasDoPadrao("C?SA", 0).empty());
    EXPECT_EQ(dic->IndiceDaGrelha("AÇO"), -1);
    EXPECT_EQ(dic->GetPalavra(dic->IndiceDaGrelha("ACO")).Texto, "AÇO");
    EXPECT_EQ(dic->IndiceDaGrelha("ZZZ"), -1);
    EXPECT_TRUE(dic->MascaraDaLetra(16, 99, '#').empty());
    EsperarErro([&] { dic->MascaraDaLetra(5, 5, 'A'); }, "MascaraDaLetra: posição ou letra inválida");
    EsperarErro([&] { dic->MascaraDaLetra(5, 0, 'a'); }, "MascaraDaLetra: posição ou letra inválida");
    EsperarErro([&] { dic->PalavraDoGrupo(4, 5); }, "PalavraDoGrupo: fora do intervalo");
    EsperarErro([&] { dic->PalavraDoGrupo(16, 0); }, "PalavraDoGrupo: fora do intervalo");
    EXPECT_EQ(dic->GetPalavra(dic->PalavraDoGrupo(4, 0)).Grelha, "CASA");
}

TEST(Indice, PistasAmbiguas) {
    TRelatorioDic rel;
    const auto dic = CriarDicionarioDeLinhas(
        {"OMELETA|Prato de ovos batidos|Prato de OVOS batidos", "OMELETE|prato de ovos batidos", "SOL|Astro", "LUZ|astro"},
        rel);
    std::vector<std::string> exemplos;
    EXPECT_EQ(dic->ContarPistasAmbiguas(10, exemplos), 2);
    ASSERT_EQ(exemplos.size(), 2u);
    EXPECT_EQ(exemplos[0], "7: «prato de ovos batidos» = OMELETA, OMELETE");
    EXPECT_EQ(dic->ContarPistasAmbiguas(1, exemplos), 2);
    EXPECT_EQ(exemplos.size(), 1u);
}

TEST(Indice, Bits) {
    EXPECT_EQ(BitMaisBaixo(1), 0);
    EXPECT_EQ(BitMaisBaixo(1ULL << 63), 63);
    EXPECT_EQ(BitMaisBaixo(0), 63);
    EXPECT_EQ(ContarBits(~0ULL), 64);
    EXPECT_EQ(ContarBits(0), 0);
}
