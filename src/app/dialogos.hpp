#pragma once
// What the window asks of the desktop (the save dialog, message boxes, the
// shell's "open"), behind a small interface that tests replace.

#include <QString>
#include <optional>

class QWidget;

namespace vorleta {

class IDialogos {
public:
    virtual ~IDialogos() = default;
    // The chosen PDF file, or nothing when the user cancels. Offers the single
    // filter "Ficheiros PDF (*.pdf)", adds ".pdf" to a name typed without it
    // and asks before replacing an existing file.
    virtual std::optional<QString> PedirFicheiroPdf(QWidget* APai, const QString& ANomeSugerido) = 0;
    virtual void Aviso(QWidget* APai, const QString& ATexto) = 0;
    virtual void Erro(QWidget* APai, const QString& ATexto) = 0;
    // A Yes/No question; true for Yes.
    virtual bool Confirmar(QWidget* APai, const QString& ATexto) = 0;
    virtual void AbrirFicheiro(const QString& ACaminho) = 0;
};

// The real dialogs of the desktop.
class TDialogosQt : public IDialogos {
public:
    std::optional<QString> PedirFicheiroPdf(QWidget* APai, const QString& ANomeSugerido) override;
    void Aviso(QWidget* APai, const QString& ATexto) override;
    void Erro(QWidget* APai, const QString& ATexto) override;
    bool Confirmar(QWidget* APai, const QString& ATexto) override;
    void AbrirFicheiro(const QString& ACaminho) override;
};

} // namespace vorleta
