#pragma once
// The records every subsystem passes around, the board-size table and the
// program's exception class.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorleta {

// Every error the program's logic detects; the message is the whole report
// ("operation: problem").
class EVorleta : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One dictionary entry.
struct TPalavraDic {
    std::string Texto;               // as printed: upper case, accents kept (UTF-8)
    std::string Grelha;              // board form: 'A'..'Z' only, 2 to 15 letters
    bool Comum = false;              // from a common section
    std::vector<std::string> Pistas; // clues in the order read
};

// A slot: a maximal run of at least two white cells in a row or a column.
struct TRanhura {
    int Linha = 0;
    int Coluna = 0;
    bool Horizontal = false;
    int Comprimento = 0;

    bool operator==(const TRanhura&) const = default;
};

// A word placed in a slot of a finished puzzle.
struct TPalavraColocada {
    std::string Texto;
    std::string Grelha;
    int Ranhura = 0;
    std::string Pista;

    bool operator==(const TPalavraColocada&) const = default;
};

// One finished puzzle. Letras holds Lado * Lado characters, '#' for a black
// cell and 'A'..'Z' for a white one.
struct TPuzzle {
    int Lado = 0;
    std::string Letras;
    std::vector<TRanhura> Ranhuras;
    std::vector<TPalavraColocada> Palavras;

    bool operator==(const TPuzzle&) const = default;
};

// One book request.
struct TConfigLivro {
    int NumPuzzles = 0;
    int Lado = 0;
    std::string Titulo;
    std::uint32_t Semente = 0;
};

// A board pattern: Lado * Lado cells in row-major order, 1 for a black cell.
using TPadrao = std::vector<std::uint8_t>;

inline constexpr std::array<int, 4> TamanhosDoTabuleiro = {9, 11, 13, 15};

int IndiceDoTamanho(int ALado);
bool TamanhoValido(int ALado);
int TamanhoDoIndice(int AIndice);
// "9 × 9": the side, a space, U+00D7, a space and the side again. Unchecked.
std::string RotuloDoTamanho(int ALado);

} // namespace vorleta
