#pragma once
// Whether a book request may be generated, and every sentence the window and
// the headless tool show about a request or a run.

#include <string>

#include "book/livro.hpp"
#include "core/tipos.hpp"

namespace vorleta {

struct TAnalise {
    bool PodeGerar = false;
    std::string Motivo; // empty when PodeGerar
};

inline constexpr int MinPuzzles = 1;
inline constexpr int MaxPuzzles = 100;
inline constexpr int MaxTitulo = 40; // UTF-16 code units after trimming blanks

TAnalise AnalisarOpcoes(const TConfigLivro& AConfig);
std::string ResumoDasOpcoes(const TConfigLivro& AConfig);
std::string NomeDoFicheiro(int ALado, int ANumPuzzles);
std::string TextoDeContagem(int ANumero, const std::string& ASingular, const std::string& APlural);
std::string TextoDeProgresso(int AIndice, int ATotal);
std::string TextoDeCancelamento(int AGerados, int APedidos);
std::string TextoDeConclusao(int APuzzles, int APaginas);
std::string PerguntaDeSaida();
std::string TextoDeFalhas(const TRelatorioLivro& ARelatorio);

} // namespace vorleta
