// Pattern-library text through parsing, for every side.

#include <cstddef>
#include <cstdint>
#include <string>

#include "grid/grelha.hpp"
#include "grid/padroes.hpp"

using namespace vorleta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* ADados, std::size_t ATamanho) {
    const std::string texto(reinterpret_cast<const char*>(ADados), ATamanho);
    for (int lado = 0; lado <= 16; ++lado)
        for (const TPadrao& p : LerPadroesDoTexto(texto, lado))
            if (p.size() != static_cast<std::size_t>(lado * lado)) __builtin_trap();
    return 0;
}
