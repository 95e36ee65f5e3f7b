#include "generator/gerador.hpp"

#include <algorithm>

#include "filler/resolvedor.hpp"
#include "generator/mutacao.hpp"
#include "generator/pistas.hpp"
#include "generator/qualidade.hpp"
#include "grid/grelha.hpp"
#include "grid/padroes.hpp"

namespace vorleta {

namespace {

std::string Rotulo(int AIndice, int AVariante, char ASinal) {
    return " " + std::to_string(AIndice) + "." + std::to_string(AVariante) + ASinal;
}

// What the library phase needs to choose a pattern.
struct TEscolhaBiblioteca {
    std::vector<int> Longas;        // patterns with a slot of 12 letters or more
    std::vector<int> Pesos;         // side 15 only
    std::int64_t SomaPesos = 0;
};

TEscolhaBiblioteca PrepararEscolha(const TOpcoesGerador& AOpc, int ALado) {
    TEscolhaBiblioteca escolha;
    for (std::size_t i = 0; i < AOpc.Biblioteca.size(); ++i) {
        if (ContarLongas(AOpc.Biblioteca[i], ALado, 12) > 0) escolha.Longas.push_back(static_cast<int>(i));
        if (ALado >= 15) {
            escolha.Pesos.push_back(PesoBiblioteca(AOpc.Biblioteca[i], ALado));
            escolha.SomaPesos += escolha.Pesos.back();
        }
    }
    return escolha;
}

int EscolherIndice(const TEscolhaBiblioteca& AEscolha, int ANumPadroes, TGeradorAleatorio& AGer) {
    if (AEscolha.SomaPesos > 0) {
        int r = AGer.Limite(static_cast<int>(AEscolha.SomaPesos));
        int i = 0;
        while (r >= AEscolha.Pesos[static_cast<std::size_t>(i)]) {
            r -= AEscolha.Pesos[static_cast<std::size_t>(i)];
            ++i;
        }
        return i;
    }
    if (!AEscolha.Longas.empty() && AGer.Limite(100) < 35)
        return AEscolha.Longas[static_cast<std::size_t>(AGer.Limite(static_cast<int>(AEscolha.Longas.size())))];
    return AGer.Limite(ANumPadroes);
}

TPadrao PadraoFresco(const TOpcoesGerador& AOpc, int ALado, TGeradorAleatorio& AGer) {
    if (AOpc.MaxMedia > 0 && !AOpc.BaseMutacao.empty()) return MutarPadrao(AOpc.BaseMutacao, ALado, AOpc, AGer);
    if (AOpc.MinLongas > 0 && !AOpc.BaseMutacao.empty())
        return GerarComLongas(AOpc.BaseMutacao, ALado, AOpc.MinLongas, AOpc.CompMinLongas, AGer);
    return GerarPadrao(ALado, AGer, AOpc.Densidade, AOpc.ProbEvitarCurtas);
}

} // namespace

int PesoBiblioteca(const TPadrao& APretas, int ALado) {
    int maior = 0;
    for (const TRanhura& r : ExtrairRanhuras(APretas, ALado)) maior = std::max(maior, r.Comprimento);
    int peso;
    if (maior <= 7) peso = 12;
    else if (maior == 8) peso = 11;
    else if (maior == 9) peso = 7;
    else if (maior == 10) peso = 5;
    else if (maior == 11) peso = 2;
    else peso = 1;
    const int tres = ContarRanhurasDeComprimento(APretas, ALado, 3);
    if (tres < 14) return peso * 6;
    if (tres <= 17) return peso * 3;
    return peso;
}

TPadrao PretasDoPuzzle(const TPuzzle& APuzzle) {
    TPadrao pretas(APuzzle.Letras.size(), 0);
    for (std::size_t i = 0; i < APuzzle.Letras.size(); ++i) pretas[i] = APuzzle.Letras[i] == '#';
    return pretas;
}

bool GerarPuzzle(const TDicionario& ADic, int ALado, std::uint32_t ASemente, const TOpcoesGerador& AOpc,
                 const TFuncaoParar& AParar, TPuzzle& APuzzle, TEstatGerador& AEstat) {
    APuzzle = TPuzzle{};
    const int numBiblioteca = static_cast<int>(AOpc.Biblioteca.size());
    const TEscolhaBiblioteca escolha = PrepararEscolha(AOpc, ALado);
    AEstat = TEstatGerador{};
    if (!TamanhoValido(ALado)) throw EVorleta("GerarPuzzle: tamanho inválido: " + std::to_string(ALado));
    const int maior = ADic.MaiorComprimento();
    TGeradorAleatorio g(ASemente);
    auto deveParar = [&] { return AParar && AParar(); };

    TPuzzle puzzle;
    if (numBiblioteca > 0) {
        for (int t = 1; t <= AOpc.MaxBiblioteca; ++t) {
            if (deveParar()) return false;
            int i, v;
            if (t == 1 && AOpc.EstruturaBiblioteca > 0) {
                const int e = AOpc.EstruturaBiblioteca - 1;
                i = (e / 4) % numBiblioteca;
                v = e % 4;
                if (ALado >= 15) v %= 2;
            } else {
                i = EscolherIndice(escolha, numBiblioteca, g);
                v = ALado < 15 ? g.Limite(4) : g.Limite(2);
            }
            const TPadrao candidato = TransformarPadrao(AOpc.Biblioteca[static_cast<std::size_t>(i)], ALado, v);
            ++AEstat.Padroes;
            if (!PreencherPadrao(ADic, candidato, ALado, g, AOpc.Preenchimento, puzzle)) {
                ++AEstat.SemPreenchimento;
                AEstat.Biblioteca += Rotulo(i, v, '-');
                continue;
            }
            ++AEstat.Preenchimentos;
            if (!AtribuirPistas(ADic, puzzle, g)) {
                AEstat.Biblioteca += Rotulo(i, v, 'p');
                continue;
            }
            AEstat.Biblioteca += Rotulo(i, v, '+');
            APuzzle = std::move(puzzle);
            return true;
        }
    }

    for (int t = 1; t <= AOpc.MaxPadroes; ++t) {
        if (deveParar()) return false;
        const TPadrao candidato = PadraoFresco(AOpc, ALado, g);
        ++AEstat.Padroes;
        if (!PadraoAceitavel(candidato, ALado, AOpc, maior)) {
            ++AEstat.Desequilibrados;
            continue;
        }
        if (!PreencherPadrao(ADic, candidato, ALado, g, AOpc.Preenchimento, puzzle)) {
            ++AEstat.SemPreenchimento;
            continue;
        }
        ++AEstat.Preenchimentos;
        if (AtribuirPistas(ADic, puzzle, g)) {
            APuzzle = std::move(puzzle);
            return true;
        }
    }
    return false;
}

} // namespace vorleta
