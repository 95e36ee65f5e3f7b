// vorleta-livro: makes a book without a window, from the same library and
// with the same option analysis as the window.
//
// Exit codes: 0 the whole book was written; 1 no puzzle or an error; 2 an
// invalid request or command line; 3 a book with missing puzzles was written;
// 130 cancelled with Ctrl-C (nothing written).

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <optional>
#include <string>

#include "app/opcoes.hpp"
#include "book/livro.hpp"
#include "book/tempos.hpp"
#include "core/aleatorio.hpp"
#include "core/recursos.hpp"
#include "dictionary/dicionario.hpp"
#include "pages/paginas.hpp"
#include "pdf/pdf.hpp"

using namespace vorleta;

namespace {

volatile std::sig_atomic_t PedidoDeCancelamento = 0;

void AoInterromper(int) { PedidoDeCancelamento = 1; }

const char* const Uso =
    "Uso: vorleta-livro [-t|--tamanho 9|11|13|15] [-n|--puzzles N] [-T|--titulo TEXTO]\n"
    "                   [-s|--semente S] [-o|--saida FICHEIRO.pdf] [--dicionario FICHEIRO]\n"
    "                   [--tempos FICHEIRO] [-q|--silencioso] [-h|--ajuda] [--versao]\n";

const char* const Ajuda =
    "Gera um livro de puzzles em PDF sem janela.\n\n"
    "  -t, --tamanho L      lado do tabuleiro: 9, 11, 13 ou 15 (por omissão 11)\n"
    "  -n, --puzzles N      número de puzzles, de 1 a 100 (por omissão 30)\n"
    "  -T, --titulo TEXTO   título do livro, até 40 caracteres\n"
    "  -s, --semente S      semente de 0 a 4294967295; a mesma semente refaz o mesmo livro\n"
    "  -o, --saida FICHEIRO ficheiro PDF a escrever (por omissão Vorleta_LxL_N.pdf)\n"
    "      --dicionario F   lista de palavras no formato da embutida, em vez desta\n"
    "      --tempos F       escreve o registo de tempos da geração em F\n"
    "  -q, --silencioso     não mostra o progresso\n"
    "  -h, --ajuda          mostra esta ajuda\n"
    "      --versao         mostra a versão\n";

struct TPedido {
    TConfigLivro Config{30, 11, "", 0};
    std::optional<std::uint32_t> Semente;
    std::string Saida;
    std::string Dicionario;
    std::string Tempos;
    bool Silencioso = false;
};

// A whole decimal number within [AMin, AMax], or nothing.
std::optional<long long> Numero(const char* ATexto, long long AMin, long long AMax) {
    if (!*ATexto) return std::nullopt;
    long long valor = 0;
    for (const char* c = ATexto; *c; ++c) {
        if (*c < '0' || *c > '9') return std::nullopt;
        valor = valor * 10 + (*c - '0');
        if (valor > AMax) return std::nullopt;
    }
    if (valor < AMin) return std::nullopt;
    return valor;
}

[[noreturn]] void FalharUso(const std::string& AMotivo) {
    std::fprintf(stderr, "vorleta-livro: %s\n%s", AMotivo.c_str(), Uso);
    std::exit(2);
}

TPedido LerArgumentos(int argc, char** argv) {
    TPedido pedido;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto valor = [&]() -> const char* {
            if (i + 1 >= argc) FalharUso("falta o valor de " + a);
            return argv[++i];
        };
        if (a == "-h" || a == "--ajuda") {
            std::printf("%s\n%s", Uso, Ajuda);
            std::exit(0);
        } else if (a == "--versao") {
            std::printf("vorleta-livro 1.0.0\n");
            std::exit(0);
        } else if (a == "-t" || a == "--tamanho") {
            const char* v = valor();
            const auto n = Numero(v, 0, 1000);
            if (!n) FalharUso(std::string("tamanho inválido: ") + v);
            pedido.Config.Lado = static_cast<int>(*n);
        } else if (a == "-n" || a == "--puzzles") {
            const char* v = valor();
            const auto n = Numero(v, 0, 1000000);
            if (!n) FalharUso(std::string("número de puzzles inválido: ") + v);
            pedido.Config.NumPuzzles = static_cast<int>(*n);
        } else if (a == "-T" || a == "--titulo") {
            pedido.Config.Titulo = valor();
        } else if (a == "-s" || a == "--semente") {
            const char* v = valor();
            const auto n = Numero(v, 0, 4294967295LL);
            if (!n) FalharUso(std::string("semente inválida: ") + v);
            pedido.Semente = static_cast<std::uint32_t>(*n);
        } else if (a == "-o" || a == "--saida") {
            pedido.Saida = valor();
        } else if (a == "--dicionario") {
            pedido.Dicionario = valor();
        } else if (a == "--tempos") {
            pedido.Tempos = valor();
        } else if (a == "-q" || a == "--silencioso") {
            pedido.Silencioso = true;
        } else {
            FalharUso("opção desconhecida: " + a);
        }
    }
    return pedido;
}

std::unique_ptr<TDicionario> CarregarDicionarioDoPedido(const TPedido& APedido) {
    TRelatorioDic rel;
    if (APedido.Dicionario.empty()) return CarregarDicionario(PastaDoPrograma(), rel);
    auto dic = CarregarDicionarioDeFicheiro(APedido.Dicionario, rel);
    std::fprintf(stderr, "Dicionário %s: %d linhas lidas, %d palavras aceites (%d comuns), %d repetidas, %d rejeitadas.\n",
                 APedido.Dicionario.c_str(), rel.Lidas, rel.Aceites, rel.Comuns, rel.Repetidas, rel.Rejeitadas);
    for (std::size_t i = 0; i < rel.Detalhe.size() && i < 10; ++i) std::fprintf(stderr, "  %s\n", rel.Detalhe[i].c_str());
    if (rel.Detalhe.size() > 10) std::fprintf(stderr, "  \u2026\n");
    return dic;
}

// Progress on standard error: a bar redrawn in place on a terminal, one line
// per puzzle otherwise.
class TProgressoNaConsola {
public:
    explicit TProgressoNaConsola(bool ASilencioso) : FSilencioso(ASilencioso), FTerminal(isatty(STDERR_FILENO)) {}

    void Mostrar(int AAtual, int ATotal) {
        if (FSilencioso || AAtual == FUltimo) return;
        FUltimo = AAtual;
        const std::string linha = TextoDeProgresso(std::min(AAtual, ATotal - 1), ATotal);
        if (!FTerminal) {
            std::fprintf(stderr, "%s\n", linha.c_str());
            return;
        }
        const int largura = 30, cheias = ATotal > 0 ? AAtual * largura / ATotal : 0;
        std::fprintf(stderr, "\r[%s%s] %3d/%d %s\x1b[K", std::string(static_cast<std::size_t>(cheias), '#').c_str(),
                     std::string(static_cast<std::size_t>(largura - cheias), '.').c_str(), AAtual, ATotal, linha.c_str());
        std::fflush(stderr);
    }
    void Terminar() {
        if (!FSilencioso && FTerminal && FUltimo >= 0) std::fprintf(stderr, "\n");
    }

private:
    bool FSilencioso;
    bool FTerminal;
    int FUltimo = -1;
};

} // namespace

int main(int argc, char** argv) {
    TPedido pedido = LerArgumentos(argc, argv);
    const TAnalise analise = AnalisarOpcoes(pedido.Config);
    if (!analise.PodeGerar) {
        std::fprintf(stderr, "%s\n", analise.Motivo.c_str());
        return 2;
    }
    pedido.Config.Semente = pedido.Semente ? *pedido.Semente : SementeDoRelogio();
    if (pedido.Saida.empty()) pedido.Saida = NomeDoFicheiro(pedido.Config.Lado, pedido.Config.NumPuzzles);
    std::printf("Semente: %u\n", static_cast<unsigned>(pedido.Config.Semente));
    std::fflush(stdout);

    try {
        const auto dic = CarregarDicionarioDoPedido(pedido);
        if (!pedido.Tempos.empty()) {
            RegistarTempos = true;
            FicheiroDeTempos = pedido.Tempos;
        }
        std::signal(SIGINT, AoInterromper);
        TProgressoNaConsola progresso(pedido.Silencioso);
        TRelatorioLivro relatorio;
        TDadosLivro livro;
        livro.Config = pedido.Config;
        livro.Puzzles = GerarLivro(*dic, pedido.Config,
                                   [&](int AAtual, int ATotal, bool& ACancelar) {
                                       progresso.Mostrar(AAtual, ATotal);
                                       if (PedidoDeCancelamento) ACancelar = true;
                                   },
                                   relatorio);
        progresso.Terminar();
        // Ctrl-C stays caught while the file is written: like "Cancelar" in the
        // window, it no longer stops a book whose puzzles are made.
        if (relatorio.Cancelado) {
            std::fprintf(stderr, "%s\n", TextoDeCancelamento(relatorio.Gerados, pedido.Config.NumPuzzles).c_str());
            return 130;
        }
        if (livro.Puzzles.empty()) {
            std::fprintf(stderr, "Não foi possível gerar nenhum puzzle.\n");
            for (const std::string& falha : relatorio.Falhas) std::fprintf(stderr, "%s\n", falha.c_str());
            return 1;
        }
        GravarLivroPdf(pedido.Saida, livro);
        const int puzzles = static_cast<int>(livro.Puzzles.size());
        std::printf("%s %s\n", TextoDeConclusao(puzzles, NumPaginasDoLivro(puzzles)).c_str(), pedido.Saida.c_str());
        if (!relatorio.Falhas.empty()) {
            std::fprintf(stderr, "%s\n", TextoDeFalhas(relatorio).c_str());
            return 3;
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Erro: %s\n", e.what());
        return 1;
    }
}
