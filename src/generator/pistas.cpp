#include "generator/pistas.hpp"

#include <algorithm>

#include "core/texto.hpp"

namespace vorleta {

namespace {

constexpr int TentativasDePistas = 30;

// The clue texts given so far in one attempt, compared without regard to
// letter case (accented capitals included); an accent still makes two texts
// different.
class TPistasUsadas {
public:
    void Limpar() { FUsadas.clear(); }
    bool Contem(const std::string& AChave) const {
        return std::find(FUsadas.begin(), FUsadas.end(), AChave) != FUsadas.end();
    }
    void Acrescentar(std::string AChave) { FUsadas.push_back(std::move(AChave)); }

private:
    std::vector<std::string> FUsadas;
};

} // namespace

bool AtribuirPistas(const TDicionario& ADic, TPuzzle& APuzzle, TGeradorAleatorio& AGer) {
    const std::size_t n = APuzzle.Palavras.size();
    std::vector<const std::vector<std::string>*> listas(n);
    std::vector<std::vector<std::string>> chaves(n); // each clue in the form used for comparing
    for (std::size_t i = 0; i < n; ++i) {
        const std::string& grelha = APuzzle.Palavras[i].Grelha;
        const int x = ADic.IndiceDaGrelha(grelha);
        if (x < 0) throw EVorleta("AtribuirPistas: palavra fora do dicionário: " + grelha);
        listas[i] = &ADic.GetPalavra(x).Pistas;
        if (listas[i]->empty()) throw EVorleta("AtribuirPistas: palavra sem pista: " + grelha);
        for (const std::string& pista : *listas[i]) chaves[i].push_back(EmMaiusculas(pista));
    }

    TPistasUsadas usadas;
    std::vector<std::size_t> ordem(n);
    std::vector<std::int64_t> chave(n);
    std::vector<std::size_t> livres;
    for (int tentativa = 1; tentativa <= TentativasDePistas; ++tentativa) {
        for (std::size_t i = 0; i < n; ++i) {
            ordem[i] = i;
            chave[i] = static_cast<std::int64_t>(listas[i]->size()) * 100000 + AGer.Limite(100000);
        }
        // Stable insertion sort: fewest clues first, random among equals.
        for (std::size_t i = 1; i < n; ++i) {
            const std::size_t atual = ordem[i];
            std::size_t k = i;
            while (k > 0 && chave[atual] < chave[ordem[k - 1]]) {
                ordem[k] = ordem[k - 1];
                --k;
            }
            ordem[k] = atual;
        }
        usadas.Limpar();
        bool completa = true;
        for (const std::size_t i : ordem) {
            livres.clear();
            for (std::size_t p = 0; p < chaves[i].size(); ++p)
                if (!usadas.Contem(chaves[i][p])) livres.push_back(p);
            if (livres.empty()) {
                completa = false;
                break;
            }
            const std::size_t escolhida = livres[static_cast<std::size_t>(AGer.Limite(static_cast<int>(livres.size())))];
            APuzzle.Palavras[i].Pista = (*listas[i])[escolhida];
            usadas.Acrescentar(chaves[i][escolhida]);
        }
        if (completa) return true;
    }
    return false;
}

} // namespace vorleta
