#pragma once
// Pattern quality: balance, the acceptance test of fresh patterns and the
// defect score that pattern mutation drives towards zero.

#include <string>

#include "core/tipos.hpp"
#include "generator/opcoes_gerador.hpp"

namespace vorleta {

// Empty when balanced, else the message of the first failed rule.
std::string AvaliarEquilibrio(const TPadrao& APretas, int ALado);

int ContarLongas(const TPadrao& APretas, int ALado, int AComprimento);
double MediaComprimento(const TPadrao& APretas, int ALado);
double FraccaoAte4(const TPadrao& APretas, int ALado);
bool DemasiadasCurtas(const TPadrao& APretas, int ALado, double AMaxFraccao);
bool TemRanhuraMaiorQue(const TPadrao& APretas, int ALado, int AMaximo);

bool PadraoAceitavel(const TPadrao& APretas, int ALado, const TOpcoesGerador& AOpc, int AMaiorComprimento);
double PenalidadePadrao(const TPadrao& APretas, int ALado, const TOpcoesGerador& AOpc);

} // namespace vorleta
