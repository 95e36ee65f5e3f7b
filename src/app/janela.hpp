#pragma once
// The application's only window: the book options, the summary and status
// lines, the progress bar and the Gerar / Cancelar / Sair buttons. Generation
// runs inside the handler of "Gerar" on the window's thread; the progress
// callback pumps the event queue so that "Cancelar" and closing are seen.

#include <QWidget>

#include <functional>
#include <memory>

#include "app/dialogos.hpp"
#include "book/livro.hpp"
#include "core/tipos.hpp"
#include "dictionary/dicionario.hpp"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace vorleta {

// The up-down arrows bound to the number edit: they change the edit's text
// within their range.
class TSetasNumero : public QWidget {
    Q_OBJECT
public:
    TSetasNumero(QWidget* APai, QLineEdit* AEdit);
    void DefinirIntervalo(int AMinimo, int AMaximo);
    void DefinirPosicao(int APosicao);
    int Posicao() const { return FPosicao; }

private:
    void Passo(int ADelta);
    QLineEdit* FEdit;
    QToolButton* FCima;
    QToolButton* FBaixo;
    int FMinimo = 0, FMaximo = 100, FPosicao = 0;
};

class TFormMain : public QWidget {
    Q_OBJECT
public:
    using TCarregarDicionario = std::function<std::unique_ptr<TDicionario>()>;
    using TSemente = std::function<std::uint32_t()>;

    // The defaults load the built-in dictionary, draw seeds from the clock and
    // use the desktop's dialogs; tests pass their own.
    explicit TFormMain(std::shared_ptr<IDialogos> ADialogos = std::make_shared<TDialogosQt>(),
                       TCarregarDicionario ACarregar = {}, TSemente ASemente = {});
    ~TFormMain() override;

    bool Gerando() const { return FGerando; }

protected:
    void closeEvent(QCloseEvent* AEvento) override;

private:
    void CriarControlos();
    void PrepararDicionario(const TCarregarDicionario& ACarregar);
    void LigarEventos();
    void Reanalisar();
    void LimitarNumPuzzles();
    // The request read from the controls, or the message that says what is wrong.
    std::string LerConfig(TConfigLivro& AConfig) const;
    void GerarLivroPdf();
    void ExecutarGeracao(const TConfigLivro& AConfig, const QString& AFicheiro);
    void Progresso(int AAtual, int ATotal, bool& ACancelar);
    void PedirCancelamento();
    void DefinirGerando(bool AValor);
    void TerminarGeracao();

    std::shared_ptr<IDialogos> FDialogos;
    TSemente FSemente;
    std::unique_ptr<TDicionario> FDic;
    std::string FErroDicionario;
    bool FAtualizando = false;
    bool FGerando = false;
    bool FCancelar = false;
    bool FFecharNoFim = false;
    TRelatorioLivro FRelatorio;

    QGroupBox* GroupBoxLivro;
    QGroupBox* RadioGroupTamanho;
    QButtonGroup* FBotoesTamanho;
    QLabel* LabelNumPuzzles;
    QLineEdit* EditNumPuzzles;
    TSetasNumero* UpDownNumPuzzles;
    QCheckBox* CheckBoxAbrirPDF;
    QLabel* LabelTituloLivro;
    QLineEdit* EditTituloLivro;
    QLabel* LabelResumo;
    QLabel* LabelEstado;
    QProgressBar* ProgressBarLote;
    QLabel* LabelNome;
    QLabel* LabelAutor;
    QPushButton* BitBtnGerar;
    QPushButton* BitBtnCancelar;
    QPushButton* BitBtnSair;
};

// The light sky-blue look on the Fusion style.
void AplicarEstiloCeu();

} // namespace vorleta
