// A puzzle of random letters, pattern and clues through page composition into
// a PDF.

#include <fuzzer/FuzzedDataProvider.h>

#include "grid/grelha.hpp"
#include "pdf/pdf.hpp"

using namespace vorleta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* ADados, std::size_t ATamanho) {
    FuzzedDataProvider dados(ADados, ATamanho);
    TDadosLivro livro;
    livro.Config.Lado = dados.ConsumeIntegralInRange<int>(3, 15);
    livro.Config.Titulo = dados.ConsumeRandomLengthString(80);
    const int numPuzzles = dados.ConsumeIntegralInRange<int>(1, 3);
    for (int k = 0; k < numPuzzles; ++k) {
        TPuzzle p;
        p.Lado = dados.ConsumeIntegralInRange<int>(3, 15);
        TPadrao pretas(static_cast<std::size_t>(p.Lado * p.Lado));
        for (auto& c : pretas) c = dados.ConsumeIntegralInRange<int>(0, 4) == 0;
        for (std::size_t i = 0; i < pretas.size(); ++i)
            p.Letras += pretas[i] ? '#' : static_cast<char>('A' + dados.ConsumeIntegralInRange<int>(0, 25));
        p.Ranhuras = ExtrairRanhuras(pretas, p.Lado);
        for (std::size_t s = 0; s < p.Ranhuras.size(); ++s) {
            const std::string texto = dados.ConsumeRandomLengthString(20);
            p.Palavras.push_back({texto, "X", static_cast<int>(s), dados.ConsumeRandomLengthString(120)});
        }
        livro.Puzzles.push_back(std::move(p));
    }
    const std::string pdf = LivroEmPdf(livro);
    if (pdf.rfind("%PDF-", 0) != 0) __builtin_trap();
    return 0;
}
