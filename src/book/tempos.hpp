#pragma once
// The timing log of a book run: the request, the generator settings, the
// statistics of the time per puzzle and one line per puzzle tried.

#include <cstdint>
#include <string>
#include <vector>

#include "core/tipos.hpp"
#include "dictionary/dicionario.hpp"
#include "generator/opcoes_gerador.hpp"

namespace vorleta {

// Off: the log is written only when something turns it on (the headless tool
// does, on request).
extern bool RegistarTempos;
// Where the log goes; empty: "Vorleta_tempos.txt" in the program's folder.
extern std::string FicheiroDeTempos;

// The log's text, lines ending with CR LF, without the byte-order mark.
std::string TextoDosTempos(const std::vector<std::string>& ALinhas, const std::vector<std::int64_t>& ATempos,
                           std::int64_t ADescartadoMs, std::int64_t ATotalMs, const TConfigLivro& AConfig,
                           const TDicionario& ADic, int ANumBiblioteca, const TOpcoesGerador& AOpc);

// Writes the log; never raises.
void GravarTempos(const std::vector<std::string>& ALinhas, const std::vector<std::int64_t>& ATempos,
                  std::int64_t ADescartadoMs, std::int64_t ATotalMs, const TConfigLivro& AConfig,
                  const TDicionario& ADic, int ANumBiblioteca, const TOpcoesGerador& AOpc) noexcept;

} // namespace vorleta
