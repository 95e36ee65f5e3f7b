#include "app/dialogos.hpp"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QApplication>
#include <QMessageBox>
#include <QUrl>

namespace vorleta {

std::optional<QString> TDialogosQt::PedirFicheiroPdf(QWidget* APai, const QString& ANomeSugerido) {
    QFileDialog dialogo(APai, QString(), QDir::current().filePath(ANomeSugerido), "Ficheiros PDF (*.pdf)");
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix("pdf");
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialogo.selectFile(ANomeSugerido);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
    return dialogo.selectedFiles().first();
}

void TDialogosQt::Aviso(QWidget* APai, const QString& ATexto) {
    QMessageBox::warning(APai, QApplication::applicationDisplayName(), ATexto, QMessageBox::Ok);
}

void TDialogosQt::Erro(QWidget* APai, const QString& ATexto) {
    QMessageBox::critical(APai, QApplication::applicationDisplayName(), ATexto, QMessageBox::Ok);
}

bool TDialogosQt::Confirmar(QWidget* APai, const QString& ATexto) {
    return QMessageBox::question(APai, QApplication::applicationDisplayName(), ATexto,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void TDialogosQt::AbrirFicheiro(const QString& ACaminho) { QDesktopServices::openUrl(QUrl::fromLocalFile(ACaminho)); }

} // namespace vorleta
