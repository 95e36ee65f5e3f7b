#pragma once
// Built-in data (word list, pattern library, badge picture, fonts), embedded at
// build time and looked up by resource name; and the folder of the running
// program, where the file copies are looked for when a built-in copy is absent.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorleta {

struct TRecurso {
    const char* Nome;
    const unsigned char* Inicio;
    const unsigned char* Fim;
};

// The bytes of the built-in resource ANome, or nothing when there is none.
std::optional<std::string_view> ProcurarRecurso(std::string_view ANome);

// Replaces the table of built-in resources (tests use it to run without the
// built-in copies); returns the table in force before.
std::span<const TRecurso> SubstituirRecursos(std::span<const TRecurso> ATabela);
std::span<const TRecurso> RecursosOriginais();

// The folder of the running program, ending with '/'.
std::string PastaDoPrograma();

} // namespace vorleta
