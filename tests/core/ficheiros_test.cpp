#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "core/ficheiros.hpp"
#include "core/recursos.hpp"
#include "core/tipos.hpp"

using namespace vorleta;
namespace fs = std::filesystem;

namespace {
fs::path PastaTemporaria() {
    fs::path p = fs::temp_directory_path() / ("vorleta-ficheiros-" + std::to_string(::getpid()));
    fs::create_directories(p);
    return p;
}
} // namespace

TEST(Ficheiros, GravarSubstituiPorInteiro) {
    const fs::path pasta = PastaTemporaria();
    const std::string alvo = (pasta / "a.txt").string();
    GravarFicheiro(alvo, "primeiro");
    GravarFicheiro(alvo, "segundo");
    EXPECT_EQ(LerFicheiro(alvo), "segundo");
    // No temporary file is left behind.
    int ficheiros = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(pasta)) ++ficheiros;
    EXPECT_EQ(ficheiros, 1);
    fs::remove_all(pasta);
}

TEST(Ficheiros, PastaInexistenteDaMensagemClara) {
    try {
        GravarFicheiro("/nao/existe/livro.pdf", "x");
        FAIL();
    } catch (const EVorleta& e) {
        EXPECT_STREQ(e.what(), "Não foi possível gravar o ficheiro «/nao/existe/livro.pdf»: a pasta não existe.");
    }
}

TEST(Ficheiros, RecusaDispositivosEPastas) {
    EXPECT_THROW(GravarFicheiro("/dev/null", "x"), EVorleta);
    EXPECT_THROW(GravarFicheiro(fs::temp_directory_path().string(), "x"), EVorleta);
}

TEST(Ficheiros, LerFicheiroInexistente) {
    EXPECT_FALSE(FicheiroExiste("/nao/existe"));
    EXPECT_THROW(LerFicheiro("/nao/existe"), EVorleta);
}

TEST(Recursos, EmbutidosESubstituicao) {
    EXPECT_TRUE(ProcurarRecurso("DICIONARIO").has_value());
    EXPECT_TRUE(ProcurarRecurso("PADROES").has_value());
    EXPECT_FALSE(ProcurarRecurso("NAO_EXISTE").has_value());
    const auto anterior = SubstituirRecursos({});
    EXPECT_FALSE(ProcurarRecurso("DICIONARIO").has_value());
    SubstituirRecursos(anterior);
    EXPECT_TRUE(ProcurarRecurso("DICIONARIO").has_value());
    EXPECT_EQ(PastaDoPrograma().back(), '/');
}
