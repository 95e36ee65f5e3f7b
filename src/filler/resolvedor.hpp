#pragma once
// The grid filler: puts distinct dictionary words into every slot of a
// pattern by a randomised depth-first search over bitsets, choosing at each
// node the open slot with the fewest candidates, drawing candidates common
// words first, ranking them by look-ahead and giving up after a node budget.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/aleatorio.hpp"
#include "core/tipos.hpp"
#include "dictionary/dicionario.hpp"

// The filler's two bitset loops are also compiled for processors with a
// population count instruction, chosen at start-up; declaration and
// definition both carry the attribute.
#define VORLETA_COM_POPCNT [[gnu::target_clones("popcnt", "default")]]

namespace vorleta {

struct TOpcoesPreenchimento {
    bool SoComuns = true;   // only common words are candidates
    int LimiteNos = 3000;   // node budget of one attempt
    int Ramo = 12;          // most candidates tried in one slot at one node
    int Olhar = 25;         // look-ahead width; 0 or less: no look-ahead
    int Tentativas = 3;     // attempts before the fill is given up
    std::vector<bool> Proibidas; // by dictionary index; true forbids the word
};

TOpcoesPreenchimento OpcoesPreenchimentoParaLado(int ALado);

class TPreenchedor {
public:
    TPreenchedor(const TDicionario& ADic, const TPadrao& APretas, int ALado, TGeradorAleatorio& AGer,
                 const TOpcoesPreenchimento& AOpc);

    bool Correr();
    TPuzzle Montar(const TPadrao& APretas) const;

    // Read access for tests.
    int NumRanhuras() const { return FNS; }
    const std::vector<std::vector<int>>& Cruzamentos() const { return FCruza; }
    const TConjunto& Base(int AComprimento) const { return FBase[Grupo(AComprimento)]; }
    int NosExpandidos() const { return FNos; }          // in the last attempt
    long long NosTotais() const { return FNosTotais; } // over all attempts

private:
    static std::size_t Grupo(int AComprimento) { return static_cast<std::size_t>(AComprimento - MenorComprimento); }
    int Blocos(int AComprimento) const { return static_cast<int>(FBase[Grupo(AComprimento)].size()); }
    const std::string& GrelhaDoMembro(int AComprimento, int AJ) const;

    void MontarBases();
    void MontarCruzamentos();
    void Reiniciar();
    VORLETA_COM_POPCNT int ContarCandidatos(int ARanhura, TConjunto& ABuf) const;
    void PrepararOlhar(int ARanhura);
    VORLETA_COM_POPCNT double AvaliarCandidato(int ARanhura, int AJ) const;
    bool Procurar(int AProfundidade);
    void Escrever(int ARanhura, const std::string& AGrelha);
    void Desfazer(int ATopo);

    const TDicionario& FDic;
    TGeradorAleatorio& FGer;
    TOpcoesPreenchimento FOpc;
    int FLado;
    int FNS;
    std::vector<TRanhura> FRanhuras;
    std::vector<std::vector<int>> FCasas;
    std::vector<int> FLetra;
    std::array<TConjunto, 14> FBase;
    std::array<TConjunto, 14> FDisp;
    std::vector<char> FFeita;
    std::vector<int> FEscolha;
    std::vector<int> FPilha;
    int FTopo = 0;
    std::vector<std::vector<int>> FCruza;
    std::vector<TConjunto> FBufs;
    TConjunto FRasco;
    int FMaxBlocos = 1;
    int FNos = 0;
    long long FNosTotais = 0;

    // The dictionary's letter masks per length, (position p, letter c) at p * 26 + c.
    std::array<std::vector<const std::uint64_t*>, 14> FMascaras;
    // Candidate lists and look-ahead scores of every depth, allocated once so
    // that the search itself allocates nothing.
    std::unique_ptr<int[]> FListas;
    std::unique_ptr<double[]> FNotas;
    std::size_t FCapacidadeLista = 0;
    std::size_t FCapacidadeNotas = 0;

    // Candidate counts of every slot at every depth. A placement changes only
    // the counts of the slots that cross it and of the slots of its length, so
    // the others are carried down instead of being counted again.
    std::vector<int> FContagens;              // (FNS + 1) * FNS
    std::vector<int> FColocada;               // slot filled at each depth
    std::vector<std::vector<int>> FDoComprimento; // slots of each length (by Grupo)
    std::vector<char> FRecontar;

    // Where slot s meets its crossing slots: position in s and in the other.
    struct TEncontro {
        int PosicaoAqui;
        int PosicaoAli;
    };
    std::vector<std::vector<TEncontro>> FEncontros;
    // The look-ahead's view of the chosen slot's open crossings: their current
    // candidate bitsets and counts, so a candidate costs one AND per block.
    std::vector<TConjunto> FOlharBufs;
    std::vector<int> FOlharContagem;
};

// Fills APretas; true with APuzzle set, false with APuzzle empty.
bool PreencherPadrao(const TDicionario& ADic, const TPadrao& APretas, int ALado, TGeradorAleatorio& AGer,
                     const TOpcoesPreenchimento& AOpc, TPuzzle& APuzzle);

} // namespace vorleta
