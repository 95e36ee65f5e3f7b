// Word-list bytes through decoding, loading and every index query.

#include <cstddef>
#include <cstdint>
#include <string>

#include "dictionary/descodificacao.hpp"
#include "dictionary/dicionario.hpp"

using namespace vorleta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* ADados, std::size_t ATamanho) {
    const std::string_view bytes(reinterpret_cast<const char*>(ADados), ATamanho);
    TRelatorioDic rel;
    const auto dic = CriarDicionarioDeLinhas(DividirLinhas(TextoDeBytes(bytes)), rel);
    if (rel.Lidas != rel.Aceites + rel.Repetidas + rel.Rejeitadas) __builtin_trap();
    for (int i = 0; i < dic->Total(); ++i) {
        const TPalavraDic& p = dic->GetPalavra(i);
        if (dic->IndiceDaGrelha(p.Grelha) != i) __builtin_trap();
        std::string padrao = p.Grelha;
        padrao[0] = '?';
        if (dic->ContarPadrao(padrao) < 1) __builtin_trap();
        dic->PalavrasDoPadrao(padrao, 3);
    }
    for (int n = 0; n <= 16; ++n) {
        const int m = dic->ContarComprimento(n);
        dic->ContarComunsComprimento(n);
        dic->MascaraComuns(n);
        if (m > 0) {
            dic->MascaraDaLetra(n, n - 1, 'Z');
            dic->PalavraDoGrupo(n, m - 1);
        }
    }
    std::vector<std::string> exemplos;
    dic->ContarPistasAmbiguas(5, exemplos);
    dic->MaiorComprimento();
    return 0;
}
