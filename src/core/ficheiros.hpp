#pragma once
// Whole-file reads and safe whole-file writes.

#include <string>
#include <string_view>

namespace vorleta {

bool FicheiroExiste(const std::string& ACaminho);

// Throws EVorleta naming the file and the cause when it cannot be read.
std::string LerFicheiro(const std::string& ACaminho);

// Writes ABytes to a temporary file in the target's folder and renames it over
// the target only once it is complete, so an existing file is never left
// half-written. Any failure throws EVorleta with a Portuguese message naming
// the file and the cause, and leaves an existing file of that name untouched.
void GravarFicheiro(const std::string& ACaminho, std::string_view ABytes);

// The cause of a system error, in Portuguese.
std::string CausaDoErro(int AErrno);

} // namespace vorleta
