#include "core/ficheiros.hpp"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/tipos.hpp"

namespace vorleta {

namespace {

std::string Pasta(const std::string& ACaminho) {
    const auto barra = ACaminho.rfind('/');
    if (barra == std::string::npos) return ".";
    if (barra == 0) return "/";
    return ACaminho.substr(0, barra);
}

[[noreturn]] void FalharGravacao(const std::string& ACaminho, const std::string& ACausa) {
    throw EVorleta("Não foi possível gravar o ficheiro «" + ACaminho + "»: " + ACausa + ".");
}

// Writes everything or returns the errno of the failure (0 on success).
int EscreverTudo(int AFd, std::string_view ABytes) {
    std::size_t feito = 0;
    while (feito < ABytes.size()) {
        const ssize_t n = write(AFd, ABytes.data() + feito, ABytes.size() - feito);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        feito += static_cast<std::size_t>(n);
    }
    return 0;
}

} // namespace

std::string CausaDoErro(int AErrno) {
    switch (AErrno) {
    case ENOENT: return "a pasta não existe";
    case ENOTDIR: return "uma parte do caminho não é uma pasta";
    case EACCES:
    case EPERM: return "não há permissão para escrever nesse local";
    case ENOSPC: return "o disco está cheio";
    case EDQUOT: return "a quota de disco foi excedida";
    case EFBIG: return "o ficheiro excede o tamanho máximo permitido";
    case EROFS: return "o disco só permite leitura";
    case EISDIR: return "o caminho é uma pasta";
    case ENAMETOOLONG: return "o nome é demasiado longo";
    case EIO: return "erro de entrada/saída do disco";
    default: return "erro do sistema " + std::to_string(AErrno) + " (" + std::strerror(AErrno) + ")";
    }
}

bool FicheiroExiste(const std::string& ACaminho) {
    struct stat info {};
    return stat(ACaminho.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string LerFicheiro(const std::string& ACaminho) {
    const int fd = open(ACaminho.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw EVorleta("Não foi possível ler o ficheiro «" + ACaminho + "»: " + CausaDoErro(errno) + ".");
    std::string conteudo;
    char bloco[65536];
    while (true) {
        const ssize_t n = read(fd, bloco, sizeof bloco);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int erro = errno;
            close(fd);
            throw EVorleta("Não foi possível ler o ficheiro «" + ACaminho + "»: " + CausaDoErro(erro) + ".");
        }
        if (n == 0) break;
        conteudo.append(bloco, static_cast<std::size_t>(n));
    }
    close(fd);
    return conteudo;
}

void GravarFicheiro(const std::string& ACaminho, std::string_view ABytes) {
    struct stat info {};
    if (stat(ACaminho.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        FalharGravacao(ACaminho, S_ISDIR(info.st_mode) ? "o caminho é uma pasta" : "o destino não é um ficheiro normal");
    const std::string pasta = Pasta(ACaminho);
    struct stat infoPasta {};
    if (stat(pasta.c_str(), &infoPasta) != 0) FalharGravacao(ACaminho, CausaDoErro(errno));
    if (!S_ISDIR(infoPasta.st_mode)) FalharGravacao(ACaminho, CausaDoErro(ENOTDIR));

    std::string temporario = pasta + "/.vorleta-XXXXXX";
    const int fd = mkstemp(temporario.data());
    if (fd < 0) FalharGravacao(ACaminho, CausaDoErro(errno));
    int erro = EscreverTudo(fd, ABytes);
    if (erro == 0 && fsync(fd) != 0 && errno != EINVAL) erro = errno;
    // A new file gets the usual permissions; a replaced one keeps its own.
    const mode_t umascara = umask(0);
    umask(umascara);
    const mode_t modo = stat(ACaminho.c_str(), &info) == 0 ? (info.st_mode & 07777) : (0666 & ~umascara);
    if (erro == 0 && fchmod(fd, modo) != 0) erro = errno;
    if (close(fd) != 0 && erro == 0) erro = errno;
    if (erro == 0 && rename(temporario.c_str(), ACaminho.c_str()) != 0) erro = errno;
    if (erro != 0) {
        unlink(temporario.c_str());
        FalharGravacao(ACaminho, CausaDoErro(erro));
    }
}

} // namespace vorleta
