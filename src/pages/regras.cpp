#include "pages/regras.hpp"

namespace vorleta {

std::vector<TLinhaRegras> LinhasDasRegras(bool ATemAcentos) {
    using enum TTipoLinhaRegras;
    std::vector<TLinhaRegras> linhas = {
        {lrTitulo, "Como jogar Vorleta"},
        {lrBranco, ""},
        {lrTexto, "O tabuleiro está vazio. Escreva nas casas brancas a palavra que corresponde a cada pista: na "
                  "horizontal, da esquerda para a direita, ou na vertical, de cima para baixo. Onde duas palavras se "
                  "cruzam, partilham a letra. As casas pretas não se preenchem."},
        {lrBranco, ""},
        {lrTexto, "Os números à esquerda do tabuleiro são os das linhas e os que estão por cima são os das colunas. "
                  "Por baixo, «Horizontais» tem as pistas das palavras escritas nas linhas, agrupadas por número de "
                  "linha, e «Verticais» as das palavras escritas nas colunas, agrupadas por número de coluna."},
        {lrBranco, ""},
        // The spaces around the bar are no-break spaces, so that wrapping never separates them.
        {lrTexto, "Quando há mais de uma palavra na mesma linha ou coluna, as pistas aparecem separadas por "
                  "«\u00A0|\u00A0», pela ordem em que as palavras surgem: da esquerda para a direita nas linhas e de "
                  "cima para baixo nas colunas. Todas as casas brancas pertencem a uma palavra horizontal e a uma "
                  "vertical."},
    };
    if (ATemAcentos) {
        linhas.push_back({lrBranco, ""});
        linhas.push_back({lrTexto, "O tabuleiro não leva acentos nem cedilha: a palavra AÇÚCAR, por exemplo, "
                                   "escreve-se ACUCAR."});
    }
    const std::vector<TLinhaRegras> fim = {
        {lrBranco, ""},
        {lrTitulo, "Dicas"},
        {lrBranco, ""},
        {lrItem, "- Comece pelas pistas que sabe de imediato: as suas letras ajudam a descobrir as palavras que as "
                 "cruzam."},
        {lrItem, "- Conte as casas: uma palavra só cabe numa sequência com exatamente o seu número de letras."},
        {lrItem, "- Escreva a lápis, para poder emendar."},
        {lrItem, "- Se ficar preso, as soluções estão no fim do livro."},
    };
    linhas.insert(linhas.end(), fim.begin(), fim.end());
    return linhas;
}

std::string TextoLegal(int) { return ""; }

std::string TituloDoSeparador(int ASeccao) { return ASeccao == 0 ? "Puzzles" : "Soluções"; }

TPuzzle PuzzleDeExemplo() {
    TPuzzle p;
    p.Lado = 5;
    p.Letras = "#O#M#ERRARIDEIASEIOS#M#R#";
    return p;
}

} // namespace vorleta
