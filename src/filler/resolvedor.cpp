#include "filler/resolvedor.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "grid/grelha.hpp"

namespace vorleta {

namespace {
std::size_t Idx(int i) { return static_cast<std::size_t>(i); }
} // namespace

TOpcoesPreenchimento OpcoesPreenchimentoParaLado(int ALado) {
    TOpcoesPreenchimento opc; // SoComuns, 3000 nodes, Ramo 12, Olhar 25, 3 attempts
    if (ALado >= 13) {
        opc.Olhar = 20;
        opc.Ramo = 10;
        opc.Tentativas = 1;
    } else if (ALado > 0) {
        opc.Olhar = 20;
        opc.Ramo = 10;
        opc.Tentativas = 2;
    }
    if (ALado >= 15) opc.Tentativas = 2;
    return opc;
}

TPreenchedor::TPreenchedor(const TDicionario& ADic, const TPadrao& APretas, int ALado, TGeradorAleatorio& AGer,
                           const TOpcoesPreenchimento& AOpc)
    : FDic(ADic), FGer(AGer), FOpc(AOpc), FLado(ALado) {
    if (FOpc.Ramo < 1) FOpc.Ramo = 1;
    if (FOpc.Tentativas < 1) FOpc.Tentativas = 1;
    FRanhuras = ExtrairRanhuras(APretas, ALado);
    FNS = static_cast<int>(FRanhuras.size());
    FCasas.resize(FRanhuras.size());
    for (std::size_t s = 0; s < FRanhuras.size(); ++s)
        for (int j = 0; j < FRanhuras[s].Comprimento; ++j) FCasas[s].push_back(CasaDaRanhura(FRanhuras[s], j, ALado));
    FLetra.assign(Idx(ALado * ALado), -1);
    FPilha.assign(Idx(ALado * ALado), 0);
    FFeita.assign(Idx(FNS), 0);
    FEscolha.assign(Idx(FNS), 0);

    FMaxBlocos = 1;
    int maiorGrupo = 0;
    for (const TRanhura& r : FRanhuras) {
        const int n = FDic.ContarComprimento(r.Comprimento);
        FMaxBlocos = std::max(FMaxBlocos, (n + 63) / 64);
        maiorGrupo = std::max(maiorGrupo, n);
    }
    FBufs.assign(Idx(FNS + 1), TConjunto(Idx(FMaxBlocos), 0));
    FRasco.assign(Idx(FMaxBlocos), 0);
    MontarBases();
    MontarCruzamentos();

    FContagens.assign(Idx(FNS + 1) * Idx(FNS), 0);
    FColocada.assign(Idx(FNS + 1), -1);
    FRecontar.assign(Idx(FNS), 1);
    FDoComprimento.assign(FBase.size(), {});
    for (int s = 0; s < FNS; ++s) {
        const int n = FRanhuras[Idx(s)].Comprimento;
        if (n >= MenorComprimento && n <= MaiorComprimentoDePalavra) FDoComprimento[Grupo(n)].push_back(s);
    }
    FOlharBufs.assign(Idx(MaiorComprimentoDePalavra), TConjunto(Idx(FMaxBlocos), 0));
    FOlharContagem.assign(Idx(MaiorComprimentoDePalavra), 0);

    FCapacidadeLista = Idx(maiorGrupo);
    FCapacidadeNotas = Idx(std::max({FOpc.Ramo, FOpc.Olhar, 1}));
    FListas.reset(new int[FCapacidadeLista * Idx(FNS + 1) + 1]);
    FNotas.reset(new double[FCapacidadeNotas * Idx(FNS + 1)]);
}

void TPreenchedor::MontarBases() {
    std::array<bool, 14> visto{};
    for (TConjunto& b : FBase) b.clear();
    for (const TRanhura& r : FRanhuras) {
        const int n = r.Comprimento;
        if (n < MenorComprimento || n > MaiorComprimentoDePalavra || visto[Grupo(n)]) continue;
        visto[Grupo(n)] = true;
        const int c = FDic.ContarComprimento(n);
        TConjunto& base = FBase[Grupo(n)];
        base.assign(Idx((c + 63) / 64), ~0ULL);
        if (FOpc.SoComuns) {
            const TConjunto& comuns = FDic.MascaraComuns(n);
            for (std::size_t b = 0; b < base.size(); ++b) base[b] = comuns[b];
        } else if (c % 64 != 0) {
            base.back() = (1ULL << (c % 64)) - 1;
        }
        if (!FOpc.Proibidas.empty())
            for (int aj = 0; aj < c; ++aj) {
                const int i = FDic.PalavraDoGrupo(n, aj);
                if (Idx(i) < FOpc.Proibidas.size() && FOpc.Proibidas[Idx(i)]) base[Idx(aj / 64)] &= ~(1ULL << (aj % 64));
            }
        std::vector<const std::uint64_t*>& mascaras = FMascaras[Grupo(n)];
        mascaras.assign(Idx(n * 26), nullptr);
        if (c > 0)
            for (int p = 0; p < n; ++p)
                for (int letra = 0; letra < 26; ++letra)
                    mascaras[Idx(p * 26 + letra)] = FDic.MascaraDaLetra(n, p, static_cast<char>('A' + letra)).data();
    }
}

void TPreenchedor::MontarCruzamentos() {
    std::vector<std::vector<int>> daCasa(Idx(FLado * FLado));
    for (int s = 0; s < FNS; ++s)
        for (const int casa : FCasas[Idx(s)]) daCasa[Idx(casa)].push_back(s);
    FCruza.assign(Idx(FNS), {});
    FEncontros.assign(Idx(FNS), {});
    for (int s = 0; s < FNS; ++s)
        for (int i = 0; i < static_cast<int>(FCasas[Idx(s)].size()); ++i) {
            const int casa = FCasas[Idx(s)][Idx(i)];
            for (const int outra : daCasa[Idx(casa)]) {
                if (outra == s) continue;
                std::vector<int>& lista = FCruza[Idx(s)];
                if (std::find(lista.begin(), lista.end(), outra) != lista.end()) continue;
                lista.push_back(outra);
                const std::vector<int>& casasDaOutra = FCasas[Idx(outra)];
                const auto ali = std::find(casasDaOutra.begin(), casasDaOutra.end(), casa) - casasDaOutra.begin();
                FEncontros[Idx(s)].push_back({i, static_cast<int>(ali)});
            }
        }
}

const std::string& TPreenchedor::GrelhaDoMembro(int AComprimento, int AJ) const {
    return FDic.GetPalavra(FDic.PalavraDoGrupo(AComprimento, AJ)).Grelha;
}

void TPreenchedor::Escrever(int ARanhura, const std::string& AGrelha) {
    const std::vector<int>& casas = FCasas[Idx(ARanhura)];
    for (std::size_t j = 0; j < casas.size(); ++j) {
        const int c = casas[j];
        if (FLetra[Idx(c)] >= 0) continue;
        FLetra[Idx(c)] = AGrelha[j] - 'A';
        FPilha[Idx(FTopo++)] = c;
    }
}

void TPreenchedor::Desfazer(int ATopo) {
    while (FTopo > ATopo) FLetra[Idx(FPilha[Idx(--FTopo)])] = -1;
}

void TPreenchedor::Reiniciar() {
    std::fill(FLetra.begin(), FLetra.end(), -1);
    std::fill(FFeita.begin(), FFeita.end(), 0);
    for (std::size_t g = 0; g < FBase.size(); ++g) FDisp[g] = FBase[g];
    FTopo = 0;
    FNos = 0;
}

VORLETA_COM_POPCNT int TPreenchedor::ContarCandidatos(int ARanhura, TConjunto& ABuf) const {
    const int n = FRanhuras[Idx(ARanhura)].Comprimento;
    const std::size_t b = FDisp[Grupo(n)].size();
    if (b == 0) return 0;
    // The fixed letters' masks are gathered first and ANDed in one pass.
    const std::uint64_t* mascaras[MaiorComprimentoDePalavra];
    int fixas = 0;
    const std::vector<int>& casas = FCasas[Idx(ARanhura)];
    for (int j = 0; j < n; ++j) {
        const int x = FLetra[Idx(casas[Idx(j)])];
        if (x >= 0) mascaras[fixas++] = FMascaras[Grupo(n)][Idx(j * 26 + x)];
    }
    const std::uint64_t* disp = FDisp[Grupo(n)].data();
    std::uint64_t* destino = ABuf.data();
    int total = 0;
    for (std::size_t k = 0; k < b; ++k) {
        std::uint64_t v = disp[k];
        for (int f = 0; f < fixas; ++f) v &= mascaras[f][k];
        destino[k] = v;
        total += ContarBits(v);
    }
    return total;
}

void TPreenchedor::PrepararOlhar(int ARanhura) {
    const std::vector<int>& cruza = FCruza[Idx(ARanhura)];
    for (std::size_t k = 0; k < cruza.size(); ++k)
        if (!FFeita[Idx(cruza[k])]) FOlharContagem[k] = ContarCandidatos(cruza[k], FOlharBufs[k]);
}

// The score of placing member AJ in slot ARanhura: the sum of the natural
// logarithms of the candidates left to each open crossing slot, or -1 when one
// would be left with none. Each crossing slot gains at most the one letter of
// the crossing cell, and loses AJ itself when it has the same length, so its
// count is its prepared bitset ANDed with one letter mask.
VORLETA_COM_POPCNT double TPreenchedor::AvaliarCandidato(int ARanhura, int AJ) const {
    const int n = FRanhuras[Idx(ARanhura)].Comprimento;
    const std::string& grelha = GrelhaDoMembro(n, AJ);
    const std::vector<int>& cruza = FCruza[Idx(ARanhura)];
    const std::vector<TEncontro>& encontros = FEncontros[Idx(ARanhura)];
    const auto blocoDe = static_cast<std::size_t>(AJ / 64);
    const std::uint64_t bitDe = 1ULL << (AJ % 64);
    double nota = 0.0;
    for (std::size_t k = 0; k < cruza.size(); ++k) {
        const int c = cruza[k];
        if (FFeita[Idx(c)]) continue;
        const int nc = FRanhuras[Idx(c)].Comprimento;
        const std::uint64_t* candidatos = FOlharBufs[k].data();
        const bool mesmoComprimento = nc == n;
        int restantes;
        const int casa = FCasas[Idx(ARanhura)][Idx(encontros[k].PosicaoAqui)];
        if (FLetra[Idx(casa)] >= 0) {
            restantes = FOlharContagem[k];
            if (mesmoComprimento && (candidatos[blocoDe] & bitDe)) --restantes;
        } else {
            const int letra = grelha[Idx(encontros[k].PosicaoAqui)] - 'A';
            const std::uint64_t* mascara = FMascaras[Grupo(nc)][Idx(encontros[k].PosicaoAli * 26 + letra)];
            restantes = 0;
            for (std::size_t b = 0, fim = FDisp[Grupo(nc)].size(); b < fim; ++b)
                restantes += ContarBits(candidatos[b] & mascara[b]);
            if (mesmoComprimento && (candidatos[blocoDe] & mascara[blocoDe] & bitDe)) --restantes;
        }
        if (restantes == 0) return -1.0;
        nota += std::log(static_cast<double>(restantes));
    }
    return nota;
}

bool TPreenchedor::Procurar(int d) {
    if (d == FNS) return true;
    if (++FNos > FOpc.LimiteNos) return false;

    int* contagens = FContagens.data() + Idx(d) * Idx(FNS);
    if (d > 0) {
        // Only the slots that cross the last placement or share its length
        // can have changed since the node above.
        const int colocada = FColocada[Idx(d - 1)];
        std::fill(FRecontar.begin(), FRecontar.end(), 0);
        for (const int c : FCruza[Idx(colocada)]) FRecontar[Idx(c)] = 1;
        for (const int c : FDoComprimento[Grupo(FRanhuras[Idx(colocada)].Comprimento)]) FRecontar[Idx(c)] = 1;
        const int* acima = contagens - FNS;
        for (int s = 0; s < FNS; ++s)
            if (!FRecontar[Idx(s)]) contagens[s] = acima[s];
    } else {
        std::fill(FRecontar.begin(), FRecontar.end(), 1);
    }

    int melhor = -1;
    int menos = 2147483647;
    bool bitsDoMelhor = false; // FBufs[d] holds the chosen slot's candidates
    for (int s = 0; s < FNS; ++s) {
        if (FFeita[Idx(s)]) continue;
        const bool contadaAqui = FRecontar[Idx(s)];
        if (contadaAqui) contagens[s] = ContarCandidatos(s, FRasco);
        const int k = contagens[s];
        if (k == 0) return false;
        if (k < menos || (k == menos && FGer.Limite(10) < 3)) {
            // A slot counted at this node keeps its bitset by a buffer swap; a
            // count carried down from above has no bitset and is counted once
            // more below, only if it stays the choice.
            if (contadaAqui) std::swap(FRasco, FBufs[Idx(d)]);
            bitsDoMelhor = contadaAqui;
            melhor = s;
            menos = k;
        }
    }
    if (!bitsDoMelhor) ContarCandidatos(melhor, FBufs[Idx(d)]);

    const int n = FRanhuras[Idx(melhor)].Comprimento;
    int* lista = FListas.get() + Idx(d) * FCapacidadeLista;
    int m = 0;
    const TConjunto& escolhidos = FBufs[Idx(d)];
    for (std::size_t w = 0, b = FBase[Grupo(n)].size(); w < b; ++w)
        for (std::uint64_t bloco = escolhidos[w]; bloco != 0; bloco &= bloco - 1)
            lista[m++] = static_cast<int>(w * 64) + BitMaisBaixo(bloco);

    int comuns = m;
    if (!FOpc.SoComuns) {
        const TConjunto& mascaraComuns = FDic.MascaraComuns(n);
        comuns = 0;
        for (int i = 0; i < m; ++i)
            if (mascaraComuns[Idx(lista[i] / 64)] >> (lista[i] % 64) & 1ULL) std::swap(lista[i], lista[comuns++]);
    }

    int lim = FOpc.Olhar > FOpc.Ramo ? FOpc.Olhar : FOpc.Ramo;
    if (lim > m) lim = m;
    for (int i = 0; i < lim; ++i) {
        const int r = i < comuns ? i + FGer.Limite(comuns - i) : i + FGer.Limite(m - i);
        std::swap(lista[i], lista[r]);
    }

    if (FOpc.Olhar > 0) {
        PrepararOlhar(melhor);
        double* notas = FNotas.get() + Idx(d) * FCapacidadeNotas;
        int mantidos = 0;
        for (int i = 0; i < lim; ++i) {
            const int candidato = lista[i];
            const double nota = AvaliarCandidato(melhor, candidato);
            if (nota < 0.0) continue;
            // Insertion into the kept prefix: equal scores keep their drawn order.
            int k = mantidos++;
            while (k > 0 && notas[k - 1] < nota) {
                lista[k] = lista[k - 1];
                notas[k] = notas[k - 1];
                --k;
            }
            lista[k] = candidato;
            notas[k] = nota;
        }
        lim = std::min(mantidos, FOpc.Ramo);
    }

    std::uint64_t* disp = FDisp[Grupo(n)].data();
    for (int i = 0; i < lim; ++i) {
        const int w = lista[i];
        const int topo = FTopo;
        Escrever(melhor, GrelhaDoMembro(n, w));
        disp[w / 64] &= ~(1ULL << (w % 64));
        FFeita[Idx(melhor)] = 1;
        FEscolha[Idx(melhor)] = w;
        FColocada[Idx(d)] = melhor;
        if (Procurar(d + 1)) return true;
        FFeita[Idx(melhor)] = 0;
        disp[w / 64] |= 1ULL << (w % 64);
        Desfazer(topo);
        if (FNos > FOpc.LimiteNos) return false;
    }
    return false;
}

bool TPreenchedor::Correr() {
    for (const TRanhura& r : FRanhuras)
        if (r.Comprimento < MenorComprimento || r.Comprimento > MaiorComprimentoDePalavra) return false;
    for (int t = 0; t < FOpc.Tentativas; ++t) {
        Reiniciar();
        const bool preenchido = Procurar(0);
        FNosTotais += FNos;
        if (preenchido) return true;
    }
    return false;
}

TPuzzle TPreenchedor::Montar(const TPadrao& APretas) const {
    TPuzzle puzzle;
    puzzle.Lado = FLado;
    puzzle.Letras.resize(Idx(FLado * FLado));
    for (std::size_t c = 0; c < puzzle.Letras.size(); ++c)
        puzzle.Letras[c] = APretas[c] ? '#' : static_cast<char>('A' + FLetra[c]);
    puzzle.Ranhuras = FRanhuras;
    for (int s = 0; s < FNS; ++s) {
        const TPalavraDic& palavra =
            FDic.GetPalavra(FDic.PalavraDoGrupo(FRanhuras[Idx(s)].Comprimento, FEscolha[Idx(s)]));
        puzzle.Palavras.push_back(TPalavraColocada{palavra.Texto, palavra.Grelha, s, {}});
    }
    return puzzle;
}

bool PreencherPadrao(const TDicionario& ADic, const TPadrao& APretas, int ALado, TGeradorAleatorio& AGer,
                     const TOpcoesPreenchimento& AOpc, TPuzzle& APuzzle) {
    APuzzle = TPuzzle{};
    if (ALado < 0 || APretas.size() != static_cast<std::size_t>(ALado) * static_cast<std::size_t>(ALado))
        throw EVorleta("PreencherPadrao: o padrão não tem Lado * Lado casas");
    TPreenchedor preenchedor(ADic, APretas, ALado, AGer, AOpc);
    const bool ok = preenchedor.Correr();
    if (ok) APuzzle = preenchedor.Montar(APretas);
    return ok;
}

} // namespace vorleta
