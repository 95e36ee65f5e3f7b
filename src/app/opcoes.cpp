#include "app/opcoes.hpp"

#include <algorithm>

#include "core/texto.hpp"

namespace vorleta {

TAnalise AnalisarOpcoes(const TConfigLivro& AConfig) {
    TAnalise analise;
    if (!TamanhoValido(AConfig.Lado)) {
        analise.Motivo = "Escolha o tamanho do tabuleiro.";
    } else if (AConfig.NumPuzzles < MinPuzzles || AConfig.NumPuzzles > MaxPuzzles) {
        analise.Motivo = "Indique um número de puzzles entre " + std::to_string(MinPuzzles) + " e " +
                         std::to_string(MaxPuzzles) + ".";
    } else if (UnidadesUtf16(Aparar(AConfig.Titulo)) > MaxTitulo) {
        analise.Motivo = "O título do livro não pode ter mais de " + std::to_string(MaxTitulo) + " caracteres.";
    } else {
        analise.PodeGerar = true;
    }
    return analise;
}

std::string TextoDeContagem(int ANumero, const std::string& ASingular, const std::string& APlural) {
    return std::to_string(ANumero) + " " + (ANumero == 1 ? ASingular : APlural);
}

std::string ResumoDasOpcoes(const TConfigLivro& AConfig) {
    return TextoDeContagem(AConfig.NumPuzzles, "puzzle", "puzzles") + " \u00B7 " + RotuloDoTamanho(AConfig.Lado);
}

std::string NomeDoFicheiro(int ALado, int ANumPuzzles) {
    return "Vorleta_" + std::to_string(ALado) + "x" + std::to_string(ALado) + "_" + std::to_string(ANumPuzzles) + ".pdf";
}

std::string TextoDeProgresso(int AIndice, int ATotal) {
    // Widened, so that no index overflows when one is added.
    return "A gerar o puzzle " + std::to_string(static_cast<long long>(AIndice) + 1) + " de " + std::to_string(ATotal) +
           "\u2026";
}

std::string TextoDeCancelamento(int AGerados, int APedidos) {
    return "Geração cancelada aos " + std::to_string(AGerados) + " de " + std::to_string(APedidos) +
           " puzzles. Nada foi gravado.";
}

std::string TextoDeConclusao(int APuzzles, int APaginas) {
    return "Livro gerado: " + TextoDeContagem(APuzzles, "puzzle", "puzzles") + ", " +
           TextoDeContagem(APaginas, "página", "páginas") + ".";
}

std::string PerguntaDeSaida() { return "Está a ser gerado um livro. Cancelar e sair?"; }

std::string TextoDeFalhas(const TRelatorioLivro& ARelatorio) {
    if (ARelatorio.Falhas.empty()) return {};
    std::string texto = "O livro tem " + std::to_string(ARelatorio.Gerados) + " dos " +
                        std::to_string(ARelatorio.Pedidos) + " puzzles pedidos.";
    const std::size_t mostradas = std::min<std::size_t>(ARelatorio.Falhas.size(), 5);
    for (std::size_t i = 0; i < mostradas; ++i) texto += "\r\n" + ARelatorio.Falhas[i];
    if (ARelatorio.Falhas.size() > 5)
        texto += "\r\n\u2026 e mais " + std::to_string(ARelatorio.Falhas.size() - 5) + ".";
    return texto;
}

} // namespace vorleta
