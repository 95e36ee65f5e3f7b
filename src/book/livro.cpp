#include "book/livro.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <unordered_map>

#include "book/tempos.hpp"
#include "core/aleatorio.hpp"
#include "core/texto.hpp"
#include "generator/gerador.hpp"
#include "grid/padroes.hpp"

namespace vorleta {

namespace {

constexpr int TentativasPorPuzzle = 30;
constexpr int EsgotadasParaDesistir = 3;
constexpr int FalhasSeguidasParaDesistir = 5;
constexpr std::int64_t IntervaloDeProgressoMs = 40;

class TCronometro {
public:
    TCronometro() : FInicio(std::chrono::steady_clock::now()) {}
    std::int64_t Ms() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - FInicio).count();
    }

private:
    std::chrono::steady_clock::time_point FInicio;
};

// The run state that the progress calls and the generator's stop poll share.
struct TEstadoDaCorrida {
    int N = 0;
    int Atual = 0;
    std::int64_t UltimoMs = -IntervaloDeProgressoMs;
    TCronometro Relogio;
    bool Cancelar = false;
    const TProgressoLivro* Progresso = nullptr;

    void Informar() {
        UltimoMs = Relogio.Ms();
        (*Progresso)(Atual, N, Cancelar);
    }
    // The stop poll handed to the generator: progress at most every 40 ms.
    bool DeveParar() {
        if (*Progresso && !Cancelar && Relogio.Ms() - UltimoMs >= IntervaloDeProgressoMs) Informar();
        return Cancelar;
    }
};

std::string Nota(int ATentativa, std::int64_t AMs, const TEstatGerador& AEstat, const char* AResultado) {
    return Formatar(" [t%d %lldms pad %d sem %d deseq %d %s lib=%s]", ATentativa, static_cast<long long>(AMs),
                    AEstat.Padroes, AEstat.SemPreenchimento, AEstat.Desequilibrados, AResultado,
                    Aparar(AEstat.Biblioteca).c_str());
}

std::vector<int> OrdemDasEstruturas(int ANumBiblioteca, std::uint32_t ASemente) {
    std::vector<int> ordem(static_cast<std::size_t>(4 * ANumBiblioteca));
    for (std::size_t i = 0; i < ordem.size(); ++i) ordem[i] = static_cast<int>(i);
    if (!ordem.empty()) {
        TGeradorAleatorio gerador(CombinarSementes(ASemente, 0));
        gerador.Baralhar(ordem);
    }
    return ordem;
}

// What one puzzle number's attempt series collects for its log line.
struct TSerie {
    bool Aceite = false;
    bool Esgotada = false;
    int Esgotadas = 0;
    int Tentativas = 0;
    int Repetidas = 0;
    TEstatGerador Soma;
    std::string Notas;
    std::string Chave;
    TPuzzle Puzzle;

    void Somar(const TEstatGerador& AEstat) {
        ++Tentativas;
        Soma.Padroes += AEstat.Padroes;
        Soma.SemPreenchimento += AEstat.SemPreenchimento;
        Soma.Desequilibrados += AEstat.Desequilibrados;
        Soma.Preenchimentos += AEstat.Preenchimentos;
    }

    std::string LinhaDoRegisto(int ANumero, std::int64_t AMs) const {
        return Formatar("Puzzle %3d %-6s %7lld ms | tentativas %2d | padroes %4d (sem preenchimento %4d, "
                        "desequilibrados %4d, preenchidos %2d) | repete %2d |",
                        ANumero, Aceite ? "ok" : "FALHOU", static_cast<long long>(AMs), Tentativas, Soma.Padroes,
                        Soma.SemPreenchimento, Soma.Desequilibrados, Soma.Preenchimentos, Repetidas) +
               Notas;
    }
};

} // namespace

int LimiteDeTresLetras(int ANumPuzzles) { return std::max(5, ANumPuzzles / 6); }

int MaxPalavrasPartilhadas(int AMenorNumPalavras) { return std::max(1, AMenorNumPalavras / 4); }

void ValidarConfigLivro(const TConfigLivro& AConfig) {
    if (!TamanhoValido(AConfig.Lado)) throw EVorleta("Tamanho do tabuleiro inválido.");
    if (AConfig.NumPuzzles < 1 || AConfig.NumPuzzles > 100) throw EVorleta("Número de puzzles inválido.");
}

std::vector<TPuzzle> GerarLivro(const TDicionario& ADic, const TConfigLivro& AConfig,
                                const TProgressoLivro& AProgresso, TRelatorioLivro& ARelatorio) {
    ValidarConfigLivro(AConfig);
    ARelatorio = TRelatorioLivro{};
    ARelatorio.Pedidos = AConfig.NumPuzzles;

    TOpcoesGerador opcoes = OpcoesGeradorParaLado(AConfig.Lado);
    const int numBiblioteca = static_cast<int>(opcoes.Biblioteca.size());
    const std::vector<int> ordem = OrdemDasEstruturas(numBiblioteca, AConfig.Semente);

    std::vector<TPuzzle> aceites;
    std::vector<std::string> chaves;
    std::unordered_map<std::string, std::vector<int>> indiceDePalavras;
    const int limiteDeTres = LimiteDeTresLetras(AConfig.NumPuzzles);
    std::vector<int> usos(static_cast<std::size_t>(ADic.Total()), 0);
    std::vector<int> comprimentos(static_cast<std::size_t>(ADic.Total()));
    for (int w = 0; w < ADic.Total(); ++w)
        comprimentos[static_cast<std::size_t>(w)] = static_cast<int>(ADic.GetPalavra(w).Grelha.size());
    std::vector<std::string> linhasDoRegisto;
    std::vector<std::int64_t> temposDosPuzzles;
    std::int64_t descartadoMs = 0;

    TEstadoDaCorrida corrida;
    corrida.N = AConfig.NumPuzzles;
    corrida.Progresso = &AProgresso;
    const TFuncaoParar parar = [&corrida] { return corrida.DeveParar(); };
    std::uint32_t serie = 0;
    int falhasSeguidas = 0;

    while (static_cast<int>(aceites.size()) < corrida.N) {
        corrida.Atual = static_cast<int>(aceites.size());
        if (AProgresso) corrida.Informar();
        if (corrida.Cancelar) {
            ARelatorio.Cancelado = true;
            break;
        }
        ++serie;
        const std::uint32_t sementeDoPuzzle = CombinarSementes(AConfig.Semente, serie);
        TSerie atual;
        const std::int64_t t0 = corrida.Relogio.Ms();
        if (!ordem.empty()) opcoes.EstruturaBiblioteca = ordem[aceites.size() % ordem.size()] + 1;

        for (int l = 0; l < TentativasPorPuzzle; ++l) {
            std::vector<bool>& proibidas = opcoes.Preenchimento.Proibidas;
            proibidas.assign(usos.size(), false);
            for (std::size_t w = 0; w < usos.size(); ++w) {
                const int u = usos[w];
                if (comprimentos[w] == 3) proibidas[w] = u >= limiteDeTres + l / 2;
                else proibidas[w] = l >= 3 && u >= 1 && comprimentos[w] >= 5;
            }
            const std::int64_t tA = corrida.Relogio.Ms();
            TEstatGerador estat;
            TPuzzle puzzle;
            const bool gerado = GerarPuzzle(ADic, AConfig.Lado, CombinarSementes(sementeDoPuzzle, static_cast<std::uint32_t>(l)),
                                            opcoes, parar, puzzle, estat);
            const std::int64_t dt = corrida.Relogio.Ms() - tA;
            atual.Somar(estat);

            if (!gerado) {
                atual.Notas += Nota(l + 1, dt, estat, "ESGOTOU");
                descartadoMs += dt;
                if (corrida.Cancelar) break;
                atual.Esgotada = true;
                if (++atual.Esgotadas >= EsgotadasParaDesistir) break;
                continue;
            }

            std::vector<int> partilhadas(aceites.size(), 0);
            for (const TPalavraColocada& palavra : puzzle.Palavras) {
                const auto it = indiceDePalavras.find(palavra.Grelha);
                if (it != indiceDePalavras.end())
                    for (const int p : it->second) ++partilhadas[static_cast<std::size_t>(p)];
            }
            bool repete = false;
            for (std::size_t p = 0; p < aceites.size() && !repete; ++p) {
                const int menor = static_cast<int>(std::min(puzzle.Palavras.size(), aceites[p].Palavras.size()));
                repete = partilhadas[p] > MaxPalavrasPartilhadas(menor);
            }
            if (!repete) {
                atual.Chave = ChaveDoPadrao(PretasDoPuzzle(puzzle), puzzle.Lado);
                const std::size_t desde = chaves.size() > 4 ? chaves.size() - 4 : 0;
                repete = std::find(chaves.begin() + static_cast<std::ptrdiff_t>(desde), chaves.end(), atual.Chave) !=
                         chaves.end();
            }
            if (!repete) {
                atual.Notas += Nota(l + 1, dt, estat, "OK");
                atual.Aceite = true;
                atual.Puzzle = std::move(puzzle);
                break;
            }
            ++atual.Repetidas;
            opcoes.EstruturaBiblioteca = 0;
            descartadoMs += dt;
            atual.Notas += Nota(l + 1, dt, estat, "REPETE");
        }

        if (corrida.Cancelar) {
            ARelatorio.Cancelado = true;
            break;
        }
        const std::int64_t tempo = corrida.Relogio.Ms() - t0;
        temposDosPuzzles.push_back(tempo);
        linhasDoRegisto.push_back(atual.LinhaDoRegisto(static_cast<int>(aceites.size()) + 1, tempo));

        if (atual.Aceite) {
            falhasSeguidas = 0;
            const int indice = static_cast<int>(aceites.size());
            for (const TPalavraColocada& palavra : atual.Puzzle.Palavras) {
                const int i = ADic.IndiceDaGrelha(palavra.Grelha);
                if (i >= 0) ++usos[static_cast<std::size_t>(i)];
                indiceDePalavras[palavra.Grelha].push_back(indice);
            }
            aceites.push_back(std::move(atual.Puzzle));
            chaves.push_back(std::move(atual.Chave));
            continue;
        }
        if (++falhasSeguidas >= FalhasSeguidasParaDesistir) {
            const int numero = static_cast<int>(aceites.size()) + 1;
            ARelatorio.Falhas.push_back(
                atual.Esgotada ? Formatar("Puzzle %d: não foi possível gerar um puzzle", numero)
                               : Formatar("Puzzle %d: repete demasiadas palavras de outros puzzles", numero));
            break;
        }
    }

    if (!ARelatorio.Cancelado && AProgresso) {
        bool ignorado = false;
        AProgresso(corrida.N, corrida.N, ignorado);
    }
    ARelatorio.Gerados = static_cast<int>(aceites.size());
    if (RegistarTempos)
        GravarTempos(linhasDoRegisto, temposDosPuzzles, descartadoMs, corrida.Relogio.Ms(), AConfig, ADic,
                     numBiblioteca, opcoes);
    return aceites;
}

} // namespace vorleta
