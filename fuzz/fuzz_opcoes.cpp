// The option analysis and texts with arbitrary titles and numbers.

#include <fuzzer/FuzzedDataProvider.h>

#include "app/opcoes.hpp"
#include "core/texto.hpp"
#include "pages/paginas_rosto.hpp"

using namespace vorleta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* ADados, std::size_t ATamanho) {
    FuzzedDataProvider dados(ADados, ATamanho);
    TConfigLivro config;
    config.Lado = dados.ConsumeIntegral<int>();
    config.NumPuzzles = dados.ConsumeIntegral<int>();
    config.Semente = dados.ConsumeIntegral<std::uint32_t>();
    config.Titulo = dados.ConsumeRemainingBytesAsString();
    const TAnalise a = AnalisarOpcoes(config);
    if (a.PodeGerar != a.Motivo.empty()) __builtin_trap();
    ResumoDasOpcoes(config);
    NomeDoFicheiro(config.Lado, config.NumPuzzles);
    TextoDeProgresso(config.NumPuzzles, config.Lado);
    TextoDeConclusao(config.NumPuzzles, config.Lado);
    // The cover title is always valid UTF-8 without control characters.
    const std::string titulo = TituloDaCapa(config.Titulo);
    for (const char32_t p : PontosDeCodigo(titulo))
        if (p < 0x20 || p == 0x7F) __builtin_trap();
    std::string recodificado;
    for (const char32_t p : PontosDeCodigo(titulo)) AcrescentarUtf8(recodificado, p);
    if (recodificado != titulo) __builtin_trap();
    return 0;
}
