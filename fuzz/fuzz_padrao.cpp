// Pattern text through parsing, the rules, slots, symmetries, keys and the
// quality checks.

#include <cstddef>
#include <cstdint>
#include <string>

#include "generator/qualidade.hpp"
#include "grid/grelha.hpp"
#include "grid/padroes.hpp"

using namespace vorleta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* ADados, std::size_t ATamanho) {
    if (ATamanho > 2000) return 0;
    const std::string texto(reinterpret_cast<const char*>(ADados), ATamanho);
    int lado = 0;
    TPadrao padrao;
    try {
        padrao = PadraoDeTexto(texto, lado);
    } catch (const EVorleta&) {
        return 0;
    }
    ValidarPadrao(padrao, lado);
    ValidarPadrao(padrao, lado + 1); // the wrong side is reported, never read past
    if (lado == 0) return 0;
    if (PadraoParaTexto(padrao, lado) != texto) __builtin_trap();
    const auto ranhuras = ExtrairRanhuras(padrao, lado);
    for (const TRanhura& r : ranhuras)
        for (int j = 0; j < r.Comprimento; ++j)
            if (padrao[static_cast<std::size_t>(CasaDaRanhura(r, j, lado))]) __builtin_trap();
    PrimeiraCasaSemPalavra(padrao, lado);
    BrancasLigadas(padrao, lado);
    const std::string chave = ChaveDoPadrao(padrao, lado);
    for (int s = 0; s < 8; ++s)
        if (ChaveDoPadrao(TransformarPadrao(padrao, lado, s), lado) != chave) __builtin_trap();
    const TOpcoesGerador opc = OpcoesGeradorParaLado(15);
    AvaliarEquilibrio(padrao, lado);
    PadraoAceitavel(padrao, lado, opc, 15);
    PenalidadePadrao(padrao, lado, opc);
    return 0;
}
