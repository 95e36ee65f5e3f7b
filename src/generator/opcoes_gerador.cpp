#include "generator/opcoes_gerador.hpp"

#include "grid/padroes.hpp"

namespace vorleta {

TOpcoesGerador OpcoesGeradorParaLado(int ALado) {
    TOpcoesGerador opc;
    opc.Preenchimento = OpcoesPreenchimentoParaLado(ALado);
    opc.MaxPadroes = 2000;
    opc.MaxBiblioteca = 30;
    opc.Densidade = 0.3;
    opc.ProbEvitarCurtas = 0.7;
    opc.MaxFraccaoCurtas = 0.3;
    opc.CompMinLongas = 8;
    if (ALado >= 15) {
        // Every fresh 15 x 15 pattern is mutated from a library base towards an
        // average slot length of at most 5.1 with a few long slots.
        opc.MaxMedia = 5.1;
        opc.MinLongas = 2;
        opc.BaseMutacao = PadroesDaBiblioteca(ALado);
        opc.MaxLongas = 7;
        opc.MaxAte4 = 0.5;
        opc.MaxBiblioteca = 100;
    } else {
        opc.MaxLongas = 0;
    }
    if (ALado > 0) opc.Biblioteca = PadroesDaBiblioteca(ALado);
    return opc;
}

} // namespace vorleta
