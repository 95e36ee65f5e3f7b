#pragma once
// The word list with its clues: loading (decoding, line rules, board forms,
// merging, sorting, load report) and the bitset index by length, position and
// letter that the grid filler queries.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/tipos.hpp"

namespace vorleta {

struct TRelatorioDic {
    int Lidas = 0;      // entry lines read
    int Aceites = 0;    // entries after loading (distinct board forms)
    int Repetidas = 0;  // lines merged into an existing entry
    int Rejeitadas = 0; // lines rejected for any reason
    int SemPista = 0;   // lines rejected for having no clue
    int Pistas = 0;     // clues kept over all entries
    int Comuns = 0;     // common entries
    std::vector<std::string> Detalhe; // the first 30 rejections
};

// A bitset over one length group: bit j mod 64 of block j div 64 is member j.
using TConjunto = std::vector<std::uint64_t>;

struct TGrupoComprimento {
    std::vector<int> Indices;        // entry positions, ascending
    std::vector<TConjunto> Mascaras; // n * 26 bitsets, (position p, letter c) at p * 26 + c
};

inline constexpr int MenorComprimento = 2;
inline constexpr int MaiorComprimentoDePalavra = 15;

class TDicionario {
public:
    TDicionario();

    bool ExigirPistas() const { return FExigirPistas; }
    void DefinirExigirPistas(bool AValor) { FExigirPistas = AValor; }

    // Replaces the whole contents by what ALinhas holds and rebuilds the index.
    void CarregarDeLinhas(const std::vector<std::string>& ALinhas, TRelatorioDic& ARel);

    int Total() const { return static_cast<int>(FPalavras.size()); }
    int TotalComuns() const { return FComuns; }
    const TPalavraDic& GetPalavra(int AIndice) const;

    int ContarComprimento(int AComprimento) const;
    int ContarComunsComprimento(int AComprimento) const;
    int MaiorComprimento() const;
    // The dictionary's own bitsets, shared and read-only.
    const TConjunto& MascaraDaLetra(int AComprimento, int APosicao, char ALetra) const;
    const TConjunto& MascaraComuns(int AComprimento) const;
    int PalavraDoGrupo(int AComprimento, int AJ) const;
    int IndiceDaGrelha(const std::string& AGrelha) const;
    int ContarPadrao(const std::string& APadrao) const;
    std::vector<int> PalavrasDoPadrao(const std::string& APadrao, int AMax) const;
    int ContarPistasAmbiguas(int AMax, std::vector<std::string>& AExemplos) const;

private:
    void ConstruirIndice();
    TConjunto MascaraDoPadrao(const std::string& APadrao, int& AComprimento) const;
    static bool ComprimentoValido(int n) { return n >= MenorComprimento && n <= MaiorComprimentoDePalavra; }

    std::vector<TPalavraDic> FPalavras;
    int FComuns = 0;
    bool FExigirPistas = false;
    std::array<TGrupoComprimento, 14> FGrupos;
    std::array<TConjunto, 14> FMascarasComuns;
};

// Inline: the filler counts and walks bitsets in its innermost loops.
inline int ContarBits(std::uint64_t AValor) { return __builtin_popcountll(AValor); }
// For 0 it answers 63; callers never pass 0.
inline int BitMaisBaixo(std::uint64_t AValor) { return AValor == 0 ? 63 : __builtin_ctzll(AValor); }

std::unique_ptr<TDicionario> CriarDicionarioDeLinhas(const std::vector<std::string>& ALinhas, TRelatorioDic& ARel);
std::unique_ptr<TDicionario> CarregarDicionarioDeFicheiro(const std::string& ACaminho, TRelatorioDic& ARel);
// The built-in copy "DICIONARIO", or Dicionario.txt in APasta when there is none.
std::unique_ptr<TDicionario> CarregarDicionario(const std::string& APasta, TRelatorioDic& ARel);

} // namespace vorleta
