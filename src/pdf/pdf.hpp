#pragma once
// Writes a finished book as one PDF file: A4 pages, the fonts embedded, the
// document's title and author set.

#include <string>

#include "pages/paginas.hpp"

namespace vorleta {

// The whole PDF file of a book, in memory.
std::string LivroEmPdf(const TDadosLivro& ALivro);

// Writes the book to ANomeFicheiro through a temporary file that replaces it
// only when complete. Raises "Não há puzzles para gravar." for an empty book,
// and a message naming the file and the cause when writing fails; an existing
// file of that name is then left as it was.
void GravarLivroPdf(const std::string& ANomeFicheiro, const TDadosLivro& ALivro);

} // namespace vorleta
