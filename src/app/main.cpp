// vorleta: the window that makes a printable book of puzzles.

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

#include "app/janela.hpp"

int main(int argc, char** argv) {
    const bool semEcra = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM");
    if (semEcra) {
        std::fprintf(stderr,
                     "Não há ecrã para mostrar a janela do Vorleta. Para fazer livros sem janela use o programa "
                     "vorleta-livro (vorleta-livro --ajuda).\n");
        return 1;
    }
    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName("vorleta");
    QApplication::setApplicationDisplayName("VORLETA");
    QApplication::setDesktopFileName("vorleta");
    vorleta::AplicarEstiloCeu();
    vorleta::TFormMain janela;
    if (const QScreen* ecra = QApplication::primaryScreen())
        janela.move(ecra->availableGeometry().center() - janela.rect().center());
    janela.show();
    return QApplication::exec();
}
