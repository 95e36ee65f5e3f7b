#include "core/recursos.hpp"

#include <unistd.h>


namespace vorleta {

extern const TRecurso RecursosEmbutidos[];
extern const std::size_t NumRecursosEmbutidos;

namespace {
std::span<const TRecurso>& TabelaAtual() {
    static std::span<const TRecurso> tabela(RecursosEmbutidos, NumRecursosEmbutidos);
    return tabela;
}
} // namespace

std::span<const TRecurso> RecursosOriginais() {
    return {RecursosEmbutidos, NumRecursosEmbutidos};
}

std::span<const TRecurso> SubstituirRecursos(std::span<const TRecurso> ATabela) {
    const auto anterior = TabelaAtual();
    TabelaAtual() = ATabela;
    return anterior;
}

std::optional<std::string_view> ProcurarRecurso(std::string_view ANome) {
    for (const TRecurso& r : TabelaAtual())
        if (ANome == r.Nome)
            return std::string_view(reinterpret_cast<const char*>(r.Inicio),
                                    static_cast<std::size_t>(r.Fim - r.Inicio));
    return std::nullopt;
}

std::string PastaDoPrograma() {
    std::string caminho(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", caminho.data(), caminho.size());
    if (n <= 0) return "./";
    caminho.resize(static_cast<std::size_t>(n));
    const auto barra = caminho.rfind('/');
    return barra == std::string::npos ? std::string("./") : caminho.substr(0, barra + 1);
}

} // namespace vorleta
