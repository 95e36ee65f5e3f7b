#pragma once
// Fresh patterns derived from a library base: random symmetric toggles with a
// descent on the defect score, long runs opened or carved in.

#include <vector>

#include "core/aleatorio.hpp"
#include "core/tipos.hpp"
#include "generator/opcoes_gerador.hpp"

namespace vorleta {

TPadrao MutarPadrao(const std::vector<TPadrao>& ABase, int ALado, const TOpcoesGerador& AOpc, TGeradorAleatorio& AGer);
TPadrao GerarComLongas(const std::vector<TPadrao>& ABase, int ALado, int AMinLongas, int ACompMin,
                       TGeradorAleatorio& AGer);
// Carves one white run of about AComprimento cells, closed by black cells;
// false leaves APretas unchanged.
bool InserirLonga(TPadrao& APretas, int ALado, int AComprimento, TGeradorAleatorio& AGer);

} // namespace vorleta
