#pragma once
// The options that steer the puzzle generator, its pattern checks and pattern
// mutation; their values depend only on the board side.

#include <vector>

#include "core/tipos.hpp"
#include "filler/resolvedor.hpp"

namespace vorleta {

struct TOpcoesGerador {
    TOpcoesPreenchimento Preenchimento;
    int MaxPadroes = 0;             // fresh candidate patterns to try
    double Densidade = 0.0;         // share of black cells GerarPadrao aims at
    double ProbEvitarCurtas = 0.0;  // GerarPadrao's veto of new three-letter slots
    double MaxFraccaoCurtas = 0.0;  // most share of three-letter slots; 0: off
    int MaxLongas = 0;              // most slots of 8 letters or more; 0: off
    double MaxAte4 = 0.0;           // most share of slots of 4 letters or fewer; 0: off
    std::vector<TPadrao> Biblioteca; // the side's library patterns
    int EstruturaBiblioteca = 0;    // k >= 1: the first library attempt uses structure k - 1
    int MaxBiblioteca = 0;          // library attempts
    int MinLongas = 0;              // fewest slots of CompMinLongas letters; 0: off
    int CompMinLongas = 0;
    std::vector<TPadrao> BaseMutacao; // bases of MutarPadrao and GerarComLongas
    double MinMedia = 0.0;          // least average slot length; 0: off
    double MaxMedia = 0.0;          // most average slot length; 0: off
};

TOpcoesGerador OpcoesGeradorParaLado(int ALado);

} // namespace vorleta
