#include "dictionary/dicionario.hpp"

#include <algorithm>
#include <unordered_map>

#include "core/ficheiros.hpp"
#include "core/recursos.hpp"
#include "core/texto.hpp"
#include "dictionary/descodificacao.hpp"

namespace vorleta {

namespace {

const TConjunto ConjuntoVazio;

std::string MaiusculasAscii(std::string_view ATexto) {
    std::string s(ATexto);
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

std::size_t Blocos(int AMembros) { return (static_cast<std::size_t>(AMembros) + 63) / 64; }

// What one entry line holds once its fields are trimmed.
struct TLinhaDeEntrada {
    std::string Palavra;
    std::vector<std::string> Pistas;
};

TLinhaDeEntrada LerCampos(const std::string& ALinha) {
    TLinhaDeEntrada entrada;
    const auto campos = Dividir(ALinha, "|");
    entrada.Palavra = Aparar(campos[0]);
    for (std::size_t i = 1; i < campos.size(); ++i) {
        std::string pista = Aparar(campos[i]);
        if (!pista.empty()) entrada.Pistas.push_back(std::move(pista));
    }
    return entrada;
}

// The reason a word cannot enter the dictionary, or an empty text.
std::string MotivoDeRejeicao(const std::string& AMaiusculas, const std::string& AGrelha) {
    for (const char32_t p : PontosDeCodigo(AMaiusculas))
        if (!LetraAceite(p)) return "tem algo que não é letra";
    const auto n = static_cast<int>(AGrelha.size());
    if (n < MenorComprimento || n > MaiorComprimentoDePalavra)
        return "comprimento fora de " + std::to_string(MenorComprimento) + " a " +
               std::to_string(MaiorComprimentoDePalavra) + " letras";
    return {};
}

} // namespace

TDicionario::TDicionario() { ConstruirIndice(); }

void TDicionario::CarregarDeLinhas(const std::vector<std::string>& ALinhas, TRelatorioDic& ARel) {
    ARel = TRelatorioDic{};
    std::vector<TPalavraDic> novas;
    std::unordered_map<std::string, std::size_t> posicoes;
    bool seccaoComum = true;

    auto rejeitar = [&](int ANumero, const std::string& APalavra, const std::string& AMotivo) {
        ++ARel.Rejeitadas;
        if (ARel.Detalhe.size() < 30)
            ARel.Detalhe.push_back("linha " + std::to_string(ANumero) + ": «" + APalavra + "» - " + AMotivo);
    };

    for (std::size_t k = 0; k < ALinhas.size(); ++k) {
        const int numero = static_cast<int>(k) + 1;
        const std::string linha = Aparar(ALinhas[k]);
        if (linha.empty()) continue;
        if (linha[0] == '#') {
            const std::string maiusculas = MaiusculasAscii(linha);
            if (maiusculas.rfind("#SECCAO", 0) == 0) {
                if (maiusculas.find("RARAS") != std::string::npos) seccaoComum = false;
                else if (maiusculas.find("COMUNS") != std::string::npos) seccaoComum = true;
            }
            continue;
        }

        ++ARel.Lidas;
        TLinhaDeEntrada entrada = LerCampos(linha);
        if (FExigirPistas && entrada.Pistas.empty()) {
            ++ARel.SemPista;
            rejeitar(numero, entrada.Palavra, "sem significado");
            continue;
        }
        std::string maiusculas = EmMaiusculas(entrada.Palavra);
        std::string grelha = NormalizarLetras(maiusculas);
        const std::string motivo = MotivoDeRejeicao(maiusculas, grelha);
        if (!motivo.empty()) {
            rejeitar(numero, entrada.Palavra, motivo);
            continue;
        }

        const auto existente = posicoes.find(grelha);
        if (existente != posicoes.end()) {
            ++ARel.Repetidas;
            TPalavraDic& palavra = novas[existente->second];
            if (seccaoComum && !palavra.Comum) {
                palavra.Texto = std::move(maiusculas);
                palavra.Comum = true;
            }
            for (std::string& pista : entrada.Pistas)
                if (std::find(palavra.Pistas.begin(), palavra.Pistas.end(), pista) == palavra.Pistas.end())
                    palavra.Pistas.push_back(std::move(pista));
            continue;
        }
        posicoes.emplace(grelha, novas.size());
        novas.push_back(TPalavraDic{std::move(maiusculas), std::move(grelha), seccaoComum,
                                    std::move(entrada.Pistas)});
    }

    std::sort(novas.begin(), novas.end(),
              [](const TPalavraDic& a, const TPalavraDic& b) { return a.Grelha < b.Grelha; });
    FPalavras = std::move(novas);
    FComuns = static_cast<int>(std::count_if(FPalavras.begin(), FPalavras.end(),
                                             [](const TPalavraDic& p) { return p.Comum; }));
    for (const TPalavraDic& p : FPalavras) ARel.Pistas += static_cast<int>(p.Pistas.size());
    ARel.Aceites = Total();
    ARel.Comuns = FComuns;
    ConstruirIndice();
}

void TDicionario::ConstruirIndice() {
    std::array<int, 14> contagens{};
    for (TGrupoComprimento& g : FGrupos) g = TGrupoComprimento{};
    for (const TPalavraDic& p : FPalavras) ++contagens[p.Grelha.size() - MenorComprimento];
    for (std::size_t g = 0; g < FGrupos.size(); ++g) FGrupos[g].Indices.reserve(static_cast<std::size_t>(contagens[g]));
    for (int i = 0; i < Total(); ++i)
        FGrupos[FPalavras[static_cast<std::size_t>(i)].Grelha.size() - MenorComprimento].Indices.push_back(i);

    for (std::size_t g = 0; g < FGrupos.size(); ++g) {
        TGrupoComprimento& grupo = FGrupos[g];
        const int n = static_cast<int>(g) + MenorComprimento;
        const int m = static_cast<int>(grupo.Indices.size());
        FMascarasComuns[g].assign(Blocos(m), 0);
        if (m == 0) continue;
        grupo.Mascaras.assign(static_cast<std::size_t>(n) * 26, TConjunto(Blocos(m), 0));
        for (int j = 0; j < m; ++j) {
            const TPalavraDic& palavra = FPalavras[static_cast<std::size_t>(grupo.Indices[static_cast<std::size_t>(j)])];
            const std::uint64_t bit = 1ULL << (j % 64);
            for (int p = 0; p < n; ++p)
                grupo.Mascaras[static_cast<std::size_t>(p * 26 + (palavra.Grelha[static_cast<std::size_t>(p)] - 'A'))]
                              [static_cast<std::size_t>(j / 64)] |= bit;
            if (palavra.Comum) FMascarasComuns[g][static_cast<std::size_t>(j / 64)] |= bit;
        }
    }
}

const TPalavraDic& TDicionario::GetPalavra(int AIndice) const {
    if (AIndice < 0 || AIndice >= Total())
        throw EVorleta("TDicionario: índice de palavra fora do intervalo");
    return FPalavras[static_cast<std::size_t>(AIndice)];
}

int TDicionario::ContarComprimento(int AComprimento) const {
    if (!ComprimentoValido(AComprimento)) return 0;
    return static_cast<int>(FGrupos[static_cast<std::size_t>(AComprimento - MenorComprimento)].Indices.size());
}

int TDicionario::ContarComunsComprimento(int AComprimento) const {
    if (!ComprimentoValido(AComprimento)) return 0;
    int total = 0;
    for (const std::uint64_t bloco : FMascarasComuns[static_cast<std::size_t>(AComprimento - MenorComprimento)])
        total += ContarBits(bloco);
    return total;
}

int TDicionario::MaiorComprimento() const {
    for (int n = MaiorComprimentoDePalavra; n >= MenorComprimento; --n)
        if (ContarComprimento(n) > 0) return n;
    return 0;
}

const TConjunto& TDicionario::MascaraDaLetra(int AComprimento, int APosicao, char ALetra) const {
    if (!ComprimentoValido(AComprimento)) return ConjuntoVazio;
    if (APosicao < 0 || APosicao >= AComprimento || ALetra < 'A' || ALetra > 'Z')
        throw EVorleta("MascaraDaLetra: posição ou letra inválida");
    const TGrupoComprimento& grupo = FGrupos[static_cast<std::size_t>(AComprimento - MenorComprimento)];
    if (grupo.Indices.empty()) return ConjuntoVazio;
    return grupo.Mascaras[static_cast<std::size_t>(APosicao * 26 + (ALetra - 'A'))];
}

const TConjunto& TDicionario::MascaraComuns(int AComprimento) const {
    if (!ComprimentoValido(AComprimento)) return ConjuntoVazio;
    return FMascarasComuns[static_cast<std::size_t>(AComprimento - MenorComprimento)];
}

int TDicionario::PalavraDoGrupo(int AComprimento, int AJ) const {
    if (!ComprimentoValido(AComprimento) || AJ < 0 || AJ >= ContarComprimento(AComprimento))
        throw EVorleta("PalavraDoGrupo: fora do intervalo");
    return FGrupos[static_cast<std::size_t>(AComprimento - MenorComprimento)].Indices[static_cast<std::size_t>(AJ)];
}

int TDicionario::IndiceDaGrelha(const std::string& AGrelha) const {
    const auto it = std::lower_bound(FPalavras.begin(), FPalavras.end(), AGrelha,
                                     [](const TPalavraDic& p, const std::string& g) { return p.Grelha < g; });
    if (it == FPalavras.end() || it->Grelha != AGrelha) return -1;
    return static_cast<int>(it - FPalavras.begin());
}

TConjunto TDicionario::MascaraDoPadrao(const std::string& APadrao, int& AComprimento) const {
    for (const char c : APadrao)
        if (c != '?' && (c < 'A' || c > 'Z')) throw EVorleta("Padrão inválido: " + APadrao);
    AComprimento = static_cast<int>(APadrao.size());
    const int m = ContarComprimento(AComprimento);
    if (m == 0) return {};
    TConjunto conjunto(Blocos(m), ~0ULL);
    if (m % 64 != 0) conjunto.back() = (1ULL << (m % 64)) - 1;
    for (int p = 0; p < AComprimento; ++p) {
        const char c = APadrao[static_cast<std::size_t>(p)];
        if (c == '?') continue;
        const TConjunto& mascara = MascaraDaLetra(AComprimento, p, c);
        for (std::size_t b = 0; b < conjunto.size(); ++b) conjunto[b] &= mascara[b];
    }
    return conjunto;
}

int TDicionario::ContarPadrao(const std::string& APadrao) const {
    int comprimento = 0;
    int total = 0;
    for (const std::uint64_t bloco : MascaraDoPadrao(APadrao, comprimento)) total += ContarBits(bloco);
    return total;
}

std::vector<int> TDicionario::PalavrasDoPadrao(const std::string& APadrao, int AMax) const {
    int comprimento = 0;
    const TConjunto conjunto = MascaraDoPadrao(APadrao, comprimento);
    std::vector<int> posicoes;
    if (AMax <= 0) return posicoes;
    const TGrupoComprimento* grupo =
        conjunto.empty() ? nullptr : &FGrupos[static_cast<std::size_t>(comprimento - MenorComprimento)];
    for (std::size_t w = 0; w < conjunto.size(); ++w) {
        std::uint64_t bloco = conjunto[w];
        while (bloco != 0) {
            const int b = BitMaisBaixo(bloco);
            bloco &= bloco - 1;
            posicoes.push_back(grupo->Indices[w * 64 + static_cast<std::size_t>(b)]);
            if (static_cast<int>(posicoes.size()) >= AMax) return posicoes;
        }
    }
    return posicoes;
}

int TDicionario::ContarPistasAmbiguas(int AMax, std::vector<std::string>& AExemplos) const {
    struct TUso {
        std::string Palavras;
        bool Repetida = false;
    };
    std::unordered_map<std::string, TUso> usos;
    std::vector<std::string> repetidas; // keys in the order they were first seen again
    for (const TPalavraDic& palavra : FPalavras) {
        std::vector<std::string> vistas;
        for (const std::string& pista : palavra.Pistas) {
            std::string dobrada = EmMaiusculas(pista);
            if (std::find(vistas.begin(), vistas.end(), dobrada) != vistas.end()) continue;
            vistas.push_back(std::move(dobrada));
            std::string minusculas = pista;
            for (char& c : minusculas)
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
            const std::string chave = std::to_string(palavra.Grelha.size()) + ": «" + minusculas + "»";
            auto [it, nova] = usos.try_emplace(chave);
            if (nova) {
                it->second.Palavras = palavra.Grelha;
            } else {
                it->second.Palavras += ", " + palavra.Grelha;
                if (!it->second.Repetida) {
                    it->second.Repetida = true;
                    repetidas.push_back(chave);
                }
            }
        }
    }
    AExemplos.clear();
    for (const std::string& chave : repetidas) {
        if (static_cast<int>(AExemplos.size()) >= AMax) break;
        AExemplos.push_back(chave + " = " + usos[chave].Palavras);
    }
    return static_cast<int>(repetidas.size());
}

std::unique_ptr<TDicionario> CriarDicionarioDeLinhas(const std::vector<std::string>& ALinhas, TRelatorioDic& ARel) {
    auto dicionario = std::make_unique<TDicionario>();
    dicionario->DefinirExigirPistas(true);
    dicionario->CarregarDeLinhas(ALinhas, ARel);
    return dicionario;
}

std::unique_ptr<TDicionario> CarregarDicionarioDeFicheiro(const std::string& ACaminho, TRelatorioDic& ARel) {
    if (!FicheiroExiste(ACaminho)) throw EVorleta("Dicionário não encontrado: " + ACaminho);
    return CriarDicionarioDeLinhas(DividirLinhas(TextoDeBytes(LerFicheiro(ACaminho))), ARel);
}

std::unique_ptr<TDicionario> CarregarDicionario(const std::string& APasta, TRelatorioDic& ARel) {
    if (const auto embutido = ProcurarRecurso("DICIONARIO"))
        return CriarDicionarioDeLinhas(DividirLinhas(TextoDeBytes(*embutido)), ARel);
    std::string pasta = APasta;
    if (!pasta.empty() && pasta.back() != '/') pasta += '/';
    return CarregarDicionarioDeFicheiro(pasta + "Dicionario.txt", ARel);
}

} // namespace vorleta
