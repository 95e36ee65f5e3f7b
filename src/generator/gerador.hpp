#pragma once
// One finished puzzle from a seed: library patterns first, then fresh ones,
// each filled and given clues; the first candidate that gets through wins.

#include <functional>
#include <string>

#include "core/tipos.hpp"
#include "dictionary/dicionario.hpp"
#include "generator/opcoes_gerador.hpp"

namespace vorleta {

struct TEstatGerador {
    int Padroes = 0;          // candidate patterns tried
    int Desequilibrados = 0;  // fresh patterns refused by the acceptance test
    int SemPreenchimento = 0; // candidates the filler could not fill
    int Preenchimentos = 0;   // candidates filled
    std::string Biblioteca;   // " i.v-", " i.vp" or " i.v+" per library attempt
};

using TFuncaoParar = std::function<bool()>;

bool GerarPuzzle(const TDicionario& ADic, int ALado, std::uint32_t ASemente, const TOpcoesGerador& AOpc,
                 const TFuncaoParar& AParar, TPuzzle& APuzzle, TEstatGerador& AEstat);

// Choice weight of a library pattern at side 15: shorter longest words and
// fewer three-letter words weigh more.
int PesoBiblioteca(const TPadrao& APretas, int ALado);

TPadrao PretasDoPuzzle(const TPuzzle& APuzzle);

} // namespace vorleta
