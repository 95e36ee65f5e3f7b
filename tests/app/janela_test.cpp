// The real window under the offscreen platform, with the dialogs answered by
// the test.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/janela.hpp"
#include "core/tipos.hpp"

using namespace vorleta;

namespace {

class TDialogosDeTeste : public IDialogos {
public:
    std::optional<QString> Ficheiro;
    bool Resposta = false;
    int Perguntas = 0, PedidosDeFicheiro = 0;
    QString NomeSugerido;
    QStringList Avisos, Erros, Abertos;

    std::optional<QString> PedirFicheiroPdf(QWidget*, const QString& ANome) override {
        ++PedidosDeFicheiro;
        NomeSugerido = ANome;
        return Ficheiro;
    }
    void Aviso(QWidget*, const QString& ATexto) override { Avisos << ATexto; }
    void Erro(QWidget*, const QString& ATexto) override { Erros << ATexto; }
    bool Confirmar(QWidget*, const QString&) override {
        ++Perguntas;
        return Resposta;
    }
    void AbrirFicheiro(const QString& ACaminho) override { Abertos << ACaminho; }
};

template <typename T>
T* Controlo(QWidget& AJanela, const char* ANome) {
    T* c = AJanela.findChild<T*>(ANome);
    if (!c) qFatal("controlo em falta: %s", ANome);
    return c;
}

QString Estado(QWidget& j) { return Controlo<QLabel>(j, "LabelEstado")->text(); }
QString Resumo(QWidget& j) { return Controlo<QLabel>(j, "LabelResumo")->text(); }
bool GerarAtivo(QWidget& j) { return Controlo<QPushButton>(j, "BitBtnGerar")->isEnabled(); }

} // namespace

class TesteJanela : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<TDialogosDeTeste> FDialogos;
    std::unique_ptr<TFormMain> FJanela;
    QTemporaryDir FPasta;

    // A fixed seed keeps the runs short and repeatable.
    void Abrir() {
        FDialogos = std::make_shared<TDialogosDeTeste>();
        FJanela = std::make_unique<TFormMain>(FDialogos, TFormMain::TCarregarDicionario{}, [] { return 2026u; });
        FJanela->show();
    }
    void Pedir(int ALado, const QString& ANumero) {
        Controlo<QRadioButton>(*FJanela, QString("RadioTamanho%1").arg(ALado).toUtf8().constData())->click();
        Controlo<QLineEdit>(*FJanela, "EditNumPuzzles")->setText(ANumero);
    }

private slots:
    void init() { Abrir(); }
    void cleanup() { FJanela.reset(); }

    void estadoInicial() {
        TFormMain& j = *FJanela;
        QCOMPARE(j.windowTitle(), QString("VORLETA | Narvelo"));
        QCOMPARE(j.size(), QSize(609, 337));
        QVERIFY(Controlo<QRadioButton>(j, "RadioTamanho11")->isChecked());
        QCOMPARE(Controlo<QRadioButton>(j, "RadioTamanho11")->text(), QString("11 \u00D7 11"));
        QCOMPARE(Controlo<QLineEdit>(j, "EditNumPuzzles")->text(), QString("30"));
        QVERIFY(Controlo<QCheckBox>(j, "CheckBoxAbrirPDF")->isChecked());
        QVERIFY(Controlo<QLineEdit>(j, "EditTituloLivro")->text().isEmpty());
        QCOMPARE(Controlo<QLineEdit>(j, "EditTituloLivro")->maxLength(), 40);
        QCOMPARE(Resumo(j), QString("30 puzzles \u00B7 11 \u00D7 11"));
        QCOMPARE(Estado(j), QString());
        QVERIFY(GerarAtivo(j));
        QVERIFY(!Controlo<QPushButton>(j, "BitBtnCancelar")->isEnabled());
        QCOMPARE(Controlo<QProgressBar>(j, "ProgressBarLote")->value(), 0);
        QCOMPARE(Controlo<QGroupBox>(j, "GroupBoxLivro")->geometry(), QRect(12, 12, 366, 205));
        QCOMPARE(Controlo<QPushButton>(j, "BitBtnGerar")->geometry(), QRect(426, 190, 140, 40));
        QCOMPARE(Controlo<QLabel>(j, "LabelNome")->text(), QString("VORLETA"));
        QCOMPARE(Controlo<QLabel>(j, "LabelAutor")->text(), QString("by Narvelo"));
        // Nothing is clipped: every label is as wide as its text needs.
        for (const char* nome : {"LabelNumPuzzles", "LabelTituloLivro", "LabelNome", "LabelAutor"}) {
            const QLabel* l = Controlo<QLabel>(j, nome);
            QVERIFY2(l->width() >= l->sizeHint().width(), nome);
        }
    }

    void aviso15() {
        Pedir(15, "30");
        QCOMPARE(Estado(*FJanela), QString("Os tabuleiros de 15 \u00D7 15 podem demorar vários minutos a gerar."));
        QVERIFY(GerarAtivo(*FJanela));
        QCOMPARE(Resumo(*FJanela), QString("30 puzzles \u00B7 15 \u00D7 15"));
    }

    void numeroDePuzzles_data() {
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("fica");
        QTest::addColumn<QString>("estado");
        QTest::addColumn<QString>("resumo");
        QTest::addColumn<bool>("gerar");
        QTest::newRow("250") << "250" << "100" << "" << "100 puzzles \u00B7 11 \u00D7 11" << true;
        QTest::newRow("enorme") << "99999999999" << "100" << "" << "100 puzzles \u00B7 11 \u00D7 11" << true;
        QTest::newRow("abc") << "abc" << "abc" << "Indique o número de puzzles." << "" << false;
        QTest::newRow("-5") << "-5" << "-5" << "Indique um número de puzzles entre 1 e 100."
                            << "-5 puzzles \u00B7 11 \u00D7 11" << false;
        QTest::newRow("vazio") << "" << "" << "Indique o número de puzzles." << "" << false;
        QTest::newRow("1") << " 1 " << " 1 " << "" << "1 puzzle \u00B7 11 \u00D7 11" << true;
    }
    void numeroDePuzzles() {
        QFETCH(QString, escrito);
        QFETCH(QString, fica);
        QFETCH(QString, estado);
        QFETCH(QString, resumo);
        QFETCH(bool, gerar);
        QLineEdit* edit = Controlo<QLineEdit>(*FJanela, "EditNumPuzzles");
        edit->selectAll();
        QTest::keyClicks(edit, escrito);
        if (escrito.isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), fica);
        if (fica == "100") QCOMPARE(edit->cursorPosition(), 3);
        QCOMPARE(Estado(*FJanela), estado);
        QCOMPARE(Resumo(*FJanela), resumo);
        QCOMPARE(GerarAtivo(*FJanela), gerar);
    }

    void setas() {
        QLineEdit* edit = Controlo<QLineEdit>(*FJanela, "EditNumPuzzles");
        QToolButton* cima = Controlo<QToolButton>(*FJanela, "UpDownCima");
        cima->click();
        QCOMPARE(edit->text(), QString("31"));
        QCOMPARE(Resumo(*FJanela), QString("31 puzzles \u00B7 11 \u00D7 11"));
        edit->setText("100");
        cima->click();
        QCOMPARE(edit->text(), QString("100"));
        edit->setText("1");
        Controlo<QToolButton>(*FJanela, "UpDownBaixo")->click();
        QCOMPARE(edit->text(), QString("1"));
    }

    void dialogoCanceladoNaoMudaNada() {
        FDialogos->Ficheiro.reset();
        Controlo<QPushButton>(*FJanela, "BitBtnGerar")->click();
        QCOMPARE(FDialogos->PedidosDeFicheiro, 1);
        QCOMPARE(FDialogos->NomeSugerido, QString("Vorleta_11x11_30.pdf"));
        QCOMPARE(Estado(*FJanela), QString());
        QVERIFY(GerarAtivo(*FJanela));
        QVERIFY(!FJanela->Gerando());
    }

    void geracaoReal() {
        const QString ficheiro = FPasta.filePath("livro.pdf");
        FDialogos->Ficheiro = ficheiro;
        Pedir(11, "1");
        Controlo<QLineEdit>(*FJanela, "EditTituloLivro")->setText("Teste");
        Controlo<QPushButton>(*FJanela, "BitBtnGerar")->click();
        QCOMPARE(Estado(*FJanela), QString("Livro gerado: 1 puzzle, 6 páginas."));
        QVERIFY(QFileInfo(ficheiro).size() > 1000);
        QCOMPARE(FDialogos->Abertos, QStringList{ficheiro});
        QVERIFY(FDialogos->Erros.isEmpty());
        QVERIFY(GerarAtivo(*FJanela));
        QVERIFY(Controlo<QGroupBox>(*FJanela, "GroupBoxLivro")->isEnabled());
        QCOMPARE(Controlo<QProgressBar>(*FJanela, "ProgressBarLote")->value(), 0);
    }

    void cancelarDuranteAGeracao() {
        const QString ficheiro = FPasta.filePath("cancelado.pdf");
        FDialogos->Ficheiro = ficheiro;
        Pedir(15, "30");
        QString duranteOCancelamento;
        bool opcoesBloqueadas = false;
        QTimer::singleShot(200, FJanela.get(), [&] {
            opcoesBloqueadas = !Controlo<QGroupBox>(*FJanela, "GroupBoxLivro")->isEnabled();
            Controlo<QPushButton>(*FJanela, "BitBtnCancelar")->click();
            duranteOCancelamento = Estado(*FJanela);
        });
        Controlo<QPushButton>(*FJanela, "BitBtnGerar")->click();
        QVERIFY(opcoesBloqueadas);
        QCOMPARE(duranteOCancelamento, QString("A cancelar\u2026"));
        QVERIFY2(Estado(*FJanela).startsWith("Geração cancelada aos "), qPrintable(Estado(*FJanela)));
        QVERIFY(Estado(*FJanela).endsWith(" de 30 puzzles. Nada foi gravado."));
        QVERIFY(!QFileInfo::exists(ficheiro));
        QVERIFY(GerarAtivo(*FJanela));
    }

    // Closing during a run asks; No lets the run finish and write the book,
    // Yes ends it and closes the window without writing.
    void fecharDuranteAGeracao_data() {
        QTest::addColumn<bool>("sim");
        QTest::addColumn<QString>("puzzles");
        QTest::newRow("Não") << false << "4";
        QTest::newRow("Sim") << true << "30";
    }
    void fecharDuranteAGeracao() {
        QFETCH(bool, sim);
        QFETCH(QString, puzzles);
        const QString ficheiro = FPasta.filePath(sim ? "fechado.pdf" : "continua.pdf");
        FDialogos->Ficheiro = ficheiro;
        FDialogos->Resposta = sim;
        Pedir(15, puzzles);
        QTimer::singleShot(50, FJanela.get(), [&] { FJanela->close(); });
        Controlo<QPushButton>(*FJanela, "BitBtnGerar")->click();
        QCOMPARE(FDialogos->Perguntas, 1);
        QCOMPARE(FJanela->isVisible(), !sim);
        QCOMPARE(QFileInfo::exists(ficheiro), !sim);
    }

    void dicionarioQueNaoCarrega() {
        FDialogos = std::make_shared<TDialogosDeTeste>();
        FJanela = std::make_unique<TFormMain>(
            FDialogos, []() -> std::unique_ptr<TDicionario> { throw EVorleta("Dicionário não encontrado: /x/Dicionario.txt"); });
        const QString esperado = "Não foi possível carregar o dicionário. Dicionário não encontrado: /x/Dicionario.txt";
        QCOMPARE(Estado(*FJanela), esperado);
        QVERIFY(!GerarAtivo(*FJanela));
        Pedir(9, "5");
        QCOMPARE(Estado(*FJanela), esperado);
        QVERIFY(!GerarAtivo(*FJanela));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AplicarEstiloCeu();
    TesteJanela teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "janela_test.moc"
