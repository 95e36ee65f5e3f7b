#include "app/janela.hpp"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QToolButton>

#include <algorithm>
#include <charconv>

#include "app/opcoes.hpp"
#include "core/aleatorio.hpp"
#include "core/recursos.hpp"
#include "core/texto.hpp"
#include "pages/paginas.hpp"
#include "pdf/pdf.hpp"

namespace vorleta {

namespace {

QString Q(const std::string& ATexto) { return QString::fromStdString(ATexto); }

// The book's own faces, registered once so that the window has a sans-serif
// of the designed proportions even where the system lacks the family.
QString FamiliaDeRecurso() {
    static const QString familia = [] {
        QString nome;
        for (const char* recurso : {"FONTE_REGULAR", "FONTE_NEGRITO"}) {
            const auto bytes = ProcurarRecurso(recurso);
            if (!bytes) continue;
            const int id = QFontDatabase::addApplicationFontFromData(
                QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())));
            if (id >= 0 && nome.isEmpty() && !QFontDatabase::applicationFontFamilies(id).isEmpty())
                nome = QFontDatabase::applicationFontFamilies(id).first();
        }
        return nome;
    }();
    return familia;
}

// The family the window is designed for where the system has it, otherwise
// the embedded sans-serif (or the system's), at a size in pixels.
QFont Fonte(int APixeis, bool ANegrito = false, const QString& AFamilia = "Segoe UI") {
    QFont fonte;
    if (QFontDatabase::families().contains(AFamilia)) fonte = QFont(AFamilia);
    else if (!FamiliaDeRecurso().isEmpty()) fonte = QFont(FamiliaDeRecurso());
    else fonte = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    fonte.setPixelSize(APixeis);
    fonte.setBold(ANegrito);
    return fonte;
}

// Sets a flag for the life of a scope and clears it on every way out.
class TGuarda {
public:
    explicit TGuarda(bool& AFlag) : FFlag(AFlag) { FFlag = true; }
    ~TGuarda() { FFlag = false; }

private:
    bool& FFlag;
};

// Labels size themselves to their text, as far as their left edge allows.
void AjustarLargura(QLabel* ARotulo) {
    ARotulo->resize(std::max(ARotulo->width(), ARotulo->sizeHint().width()), ARotulo->height());
}

// The name labels are centred in the raised frame, as wide as their text needs.
void CentrarNaMoldura(QLabel* ARotulo, const QFrame* AMoldura) {
    const int largura = std::max(ARotulo->width(), ARotulo->sizeHint().width());
    ARotulo->setGeometry(AMoldura->x() + (AMoldura->width() - largura) / 2, ARotulo->y(), largura, ARotulo->height());
}

const char* const RotulosDeTamanho[] = {"9 \u00D7 9", "11 \u00D7 11", "13 \u00D7 13", "15 \u00D7 15"};

} // namespace

TSetasNumero::TSetasNumero(QWidget* APai, QLineEdit* AEdit) : QWidget(APai), FEdit(AEdit) {
    FCima = new QToolButton(this);
    FBaixo = new QToolButton(this);
    FCima->setArrowType(Qt::UpArrow);
    FBaixo->setArrowType(Qt::DownArrow);
    FCima->setObjectName("UpDownCima");
    FBaixo->setObjectName("UpDownBaixo");
    FCima->setAutoRepeat(true);
    FBaixo->setAutoRepeat(true);
    connect(FCima, &QToolButton::clicked, this, [this] { Passo(+1); });
    connect(FBaixo, &QToolButton::clicked, this, [this] { Passo(-1); });
}

void TSetasNumero::DefinirIntervalo(int AMinimo, int AMaximo) {
    FMinimo = AMinimo;
    FMaximo = AMaximo;
    FPosicao = std::clamp(FPosicao, FMinimo, FMaximo);
}

void TSetasNumero::DefinirPosicao(int APosicao) {
    FPosicao = std::clamp(APosicao, FMinimo, FMaximo);
    FEdit->setText(QString::number(FPosicao));
}

void TSetasNumero::Passo(int ADelta) {
    // A valid number in the edit is where the arrows start from.
    bool ok = false;
    const int escrito = FEdit->text().trimmed().toInt(&ok);
    if (ok) FPosicao = std::clamp(escrito, FMinimo, FMaximo);
    DefinirPosicao(FPosicao + ADelta);
}

TFormMain::TFormMain(std::shared_ptr<IDialogos> ADialogos, TCarregarDicionario ACarregar, TSemente ASemente)
    : FDialogos(std::move(ADialogos)), FSemente(ASemente ? std::move(ASemente) : TSemente(SementeDoRelogio)) {
    {
        TGuarda guarda(FAtualizando);
        CriarControlos();
    }
    PrepararDicionario(ACarregar);
    LigarEventos();
    Reanalisar();
}

TFormMain::~TFormMain() = default;

void TFormMain::CriarControlos() {
    setObjectName("FormMain");
    setWindowTitle("VORLETA | Narvelo");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(609, 337);
    setFont(Fonte(12));

    GroupBoxLivro = new QGroupBox("Livro", this);
    GroupBoxLivro->setObjectName("GroupBoxLivro");
    GroupBoxLivro->setGeometry(12, 12, 366, 205);
    GroupBoxLivro->setFont(Fonte(17));

    RadioGroupTamanho = new QGroupBox("Tamanho", GroupBoxLivro);
    RadioGroupTamanho->setObjectName("RadioGroupTamanho");
    RadioGroupTamanho->setGeometry(12, 31, 339, 58);
    RadioGroupTamanho->setFont(Fonte(15));
    FBotoesTamanho = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* botao = new QRadioButton(RotulosDeTamanho[i], RadioGroupTamanho);
        botao->setObjectName(QString("RadioTamanho%1").arg(TamanhoDoIndice(i)));
        botao->setGeometry(10 + i * 82, 24, 80, 24);
        FBotoesTamanho->addButton(botao, i);
    }
    FBotoesTamanho->button(1)->setChecked(true);

    LabelNumPuzzles = new QLabel("Número de puzzles", GroupBoxLivro);
    LabelNumPuzzles->setObjectName("LabelNumPuzzles");
    LabelNumPuzzles->setGeometry(16, 103, 128, 20);
    LabelNumPuzzles->setFont(Fonte(15));
    AjustarLargura(LabelNumPuzzles);

    EditNumPuzzles = new QLineEdit("30", GroupBoxLivro);
    EditNumPuzzles->setObjectName("EditNumPuzzles");
    EditNumPuzzles->setGeometry(151, 101, 57, 31);
    EditNumPuzzles->setFont(Fonte(17));

    UpDownNumPuzzles = new TSetasNumero(GroupBoxLivro, EditNumPuzzles);
    UpDownNumPuzzles->setObjectName("UpDownNumPuzzles");
    UpDownNumPuzzles->setGeometry(208, 101, 25, 31);
    UpDownNumPuzzles->findChild<QToolButton*>("UpDownCima")->setGeometry(0, 0, 25, 15);
    UpDownNumPuzzles->findChild<QToolButton*>("UpDownBaixo")->setGeometry(0, 16, 25, 15);
    UpDownNumPuzzles->DefinirIntervalo(MinPuzzles, MaxPuzzles);
    UpDownNumPuzzles->DefinirPosicao(30);

    CheckBoxAbrirPDF = new QCheckBox("Abrir PDF", GroupBoxLivro);
    CheckBoxAbrirPDF->setObjectName("CheckBoxAbrirPDF");
    CheckBoxAbrirPDF->setGeometry(257, 108, 104, 17);
    CheckBoxAbrirPDF->setFont(Fonte(17));
    CheckBoxAbrirPDF->setChecked(true);

    LabelTituloLivro = new QLabel("Título do livro", GroupBoxLivro);
    LabelTituloLivro->setObjectName("LabelTituloLivro");
    LabelTituloLivro->setGeometry(12, 138, 93, 20);
    LabelTituloLivro->setFont(Fonte(15));
    AjustarLargura(LabelTituloLivro);

    EditTituloLivro = new QLineEdit(GroupBoxLivro);
    EditTituloLivro->setObjectName("EditTituloLivro");
    EditTituloLivro->setGeometry(12, 162, 339, 31);
    EditTituloLivro->setFont(Fonte(17));
    EditTituloLivro->setMaxLength(MaxTitulo);

    LabelResumo = new QLabel(this);
    LabelResumo->setObjectName("LabelResumo");
    LabelResumo->setGeometry(12, 227, 366, 32);
    LabelResumo->setWordWrap(true);

    LabelEstado = new QLabel(this);
    LabelEstado->setObjectName("LabelEstado");
    LabelEstado->setGeometry(12, 265, 366, 32);
    LabelEstado->setWordWrap(true);

    ProgressBarLote = new QProgressBar(this);
    ProgressBarLote->setObjectName("ProgressBarLote");
    ProgressBarLote->setGeometry(12, 307, 366, 21);
    ProgressBarLote->setValue(0);
    ProgressBarLote->setTextVisible(false);

    auto* bevel = new QFrame(this);
    bevel->setObjectName("BevelApp");
    bevel->setGeometry(390, 21, 212, 110);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    LabelNome = new QLabel("VORLETA", this);
    LabelNome->setObjectName("LabelNome");
    LabelNome->setGeometry(426, 33, 140, 54);
    LabelNome->setAlignment(Qt::AlignCenter);
    LabelNome->setFont(Fonte(40, true, "Segoe UI Semibold"));
    CentrarNaMoldura(LabelNome, bevel);

    LabelAutor = new QLabel("by Narvelo", this);
    LabelAutor->setObjectName("LabelAutor");
    LabelAutor->setGeometry(420, 81, 152, 23);
    LabelAutor->setAlignment(Qt::AlignCenter);
    LabelAutor->setFont(Fonte(17));
    CentrarNaMoldura(LabelAutor, bevel);

    BitBtnGerar = new QPushButton("Gerar", this);
    BitBtnGerar->setObjectName("BitBtnGerar");
    BitBtnGerar->setGeometry(426, 190, 140, 40);
    BitBtnCancelar = new QPushButton("Cancelar", this);
    BitBtnCancelar->setObjectName("BitBtnCancelar");
    BitBtnCancelar->setGeometry(426, 239, 140, 40);
    BitBtnCancelar->setEnabled(false);
    BitBtnSair = new QPushButton("Sair", this);
    BitBtnSair->setObjectName("BitBtnSair");
    BitBtnSair->setGeometry(426, 288, 140, 40);
    for (QPushButton* b : {BitBtnGerar, BitBtnCancelar, BitBtnSair}) b->setFont(Fonte(15));
}

void TFormMain::PrepararDicionario(const TCarregarDicionario& ACarregar) {
    FErroDicionario.clear();
    try {
        if (ACarregar) {
            FDic = ACarregar();
        } else {
            TRelatorioDic rel;
            FDic = CarregarDicionario(PastaDoPrograma(), rel);
        }
    } catch (const std::exception& e) {
        FDic.reset();
        FErroDicionario = std::string("Não foi possível carregar o dicionário. ") + e.what();
    }
}

void TFormMain::LigarEventos() {
    connect(FBotoesTamanho, &QButtonGroup::idClicked, this, [this] { Reanalisar(); });
    connect(EditNumPuzzles, &QLineEdit::textChanged, this, [this] { Reanalisar(); });
    connect(EditTituloLivro, &QLineEdit::textChanged, this, [this] { Reanalisar(); });
    connect(BitBtnGerar, &QPushButton::clicked, this, [this] { GerarLivroPdf(); });
    connect(BitBtnCancelar, &QPushButton::clicked, this, [this] { PedirCancelamento(); });
    connect(BitBtnSair, &QPushButton::clicked, this, [this] { close(); });
}

void TFormMain::LimitarNumPuzzles() {
    const std::string texto = Aparar(EditNumPuzzles->text().toStdString());
    if (texto.empty() || !std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; })) return;
    int valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (erro == std::errc() && valor <= MaxPuzzles) return;
    EditNumPuzzles->setText(QString::number(MaxPuzzles));
    EditNumPuzzles->setCursorPosition(static_cast<int>(EditNumPuzzles->text().size()));
}

std::string TFormMain::LerConfig(TConfigLivro& AConfig) const {
    AConfig = TConfigLivro{};
    const int indice = FBotoesTamanho->checkedId();
    if (indice < 0) return "Escolha o tamanho do tabuleiro.";
    AConfig.Lado = TamanhoDoIndice(indice);
    const std::string numero = Aparar(EditNumPuzzles->text().toStdString());
    const char* inicio = numero.data();
    if (!numero.empty() && numero[0] == '+') ++inicio;
    const auto [fim, erro] = std::from_chars(inicio, numero.data() + numero.size(), AConfig.NumPuzzles);
    if (numero.empty() || erro != std::errc() || fim != numero.data() + numero.size())
        return "Indique o número de puzzles.";
    AConfig.Titulo = Aparar(EditTituloLivro->text().toStdString());
    AConfig.Semente = 0;
    return {};
}

void TFormMain::Reanalisar() {
    if (FAtualizando) return;
    TGuarda guarda(FAtualizando);
    if (FGerando) return;
    LimitarNumPuzzles();
    LabelResumo->clear();
    BitBtnGerar->setEnabled(false);
    BitBtnCancelar->setEnabled(false);
    if (!FErroDicionario.empty()) {
        LabelEstado->setText(Q(FErroDicionario));
        return;
    }
    TConfigLivro config;
    if (const std::string erro = LerConfig(config); !erro.empty()) {
        LabelEstado->setText(Q(erro));
        return;
    }
    const TAnalise analise = AnalisarOpcoes(config);
    LabelResumo->setText(Q(ResumoDasOpcoes(config)));
    LabelEstado->setText(Q(analise.Motivo));
    if (analise.PodeGerar && config.Lado >= 15)
        LabelEstado->setText("Os tabuleiros de 15 \u00D7 15 podem demorar vários minutos a gerar.");
    BitBtnGerar->setEnabled(analise.PodeGerar);
}

void TFormMain::GerarLivroPdf() {
    if (FGerando || !FDic) return;
    TConfigLivro config;
    if (const std::string erro = LerConfig(config); !erro.empty()) {
        LabelEstado->setText(Q(erro));
        return;
    }
    const TAnalise analise = AnalisarOpcoes(config);
    if (!analise.PodeGerar) {
        LabelEstado->setText(Q(analise.Motivo));
        return;
    }
    config.Semente = FSemente();
    const auto ficheiro = FDialogos->PedirFicheiroPdf(this, Q(NomeDoFicheiro(config.Lado, config.NumPuzzles)));
    if (!ficheiro) return;

    FCancelar = false;
    FRelatorio = TRelatorioLivro{};
    DefinirGerando(true);
    ProgressBarLote->setMaximum(config.NumPuzzles);
    ProgressBarLote->setValue(0);
    try {
        ExecutarGeracao(config, *ficheiro);
    } catch (const std::exception& e) {
        LabelEstado->setText(QString("Erro: ") + QString::fromUtf8(e.what()));
        FDialogos->Erro(this, QString("Não foi possível gerar o livro.\r\n") + QString::fromUtf8(e.what()));
    } catch (...) {
        TerminarGeracao();
        throw;
    }
    TerminarGeracao();
}

void TFormMain::ExecutarGeracao(const TConfigLivro& AConfig, const QString& AFicheiro) {
    TDadosLivro livro;
    livro.Config = AConfig;
    livro.Puzzles = GerarLivro(*FDic, AConfig, [this](int a, int t, bool& c) { Progresso(a, t, c); }, FRelatorio);
    if (FRelatorio.Cancelado) {
        LabelEstado->setText(Q(TextoDeCancelamento(FRelatorio.Gerados, AConfig.NumPuzzles)));
        return;
    }
    if (livro.Puzzles.empty()) {
        LabelEstado->setText("Não foi possível gerar nenhum puzzle.");
        return;
    }
    LabelEstado->setText("A gravar o PDF\u2026");
    QCoreApplication::processEvents();
    GravarLivroPdf(AFicheiro.toStdString(), livro);
    const int puzzles = static_cast<int>(livro.Puzzles.size());
    const QString conclusao = Q(TextoDeConclusao(puzzles, NumPaginasDoLivro(puzzles)));
    LabelEstado->setText(conclusao);
    if (!FRelatorio.Falhas.empty()) FDialogos->Aviso(this, conclusao + "\r\n" + Q(TextoDeFalhas(FRelatorio)));
    if (CheckBoxAbrirPDF->isChecked()) FDialogos->AbrirFicheiro(AFicheiro);
}

void TFormMain::Progresso(int AAtual, int ATotal, bool& ACancelar) {
    ProgressBarLote->setMaximum(ATotal);
    ProgressBarLote->setValue(AAtual);
    LabelEstado->setText(Q(TextoDeProgresso(std::min(AAtual, ATotal - 1), ATotal)));
    QCoreApplication::processEvents();
    if (FCancelar) ACancelar = true;
}

void TFormMain::PedirCancelamento() {
    if (!FGerando) return;
    FCancelar = true;
    BitBtnCancelar->setEnabled(false);
    LabelEstado->setText("A cancelar\u2026");
}

void TFormMain::DefinirGerando(bool AValor) {
    FGerando = AValor;
    GroupBoxLivro->setEnabled(!AValor);
    BitBtnGerar->setEnabled(!AValor);
    BitBtnCancelar->setEnabled(AValor);
    if (!AValor) ProgressBarLote->setValue(0);
}

void TFormMain::TerminarGeracao() {
    DefinirGerando(false);
    if (FFecharNoFim) {
        FFecharNoFim = false;
        close();
    }
}

void TFormMain::closeEvent(QCloseEvent* AEvento) {
    if (!FGerando) {
        AEvento->accept();
        return;
    }
    AEvento->ignore();
    if (FDialogos->Confirmar(this, Q(PerguntaDeSaida()))) {
        FCancelar = true;
        FFecharNoFim = true;
    }
}

void AplicarEstiloCeu() {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QPalette p;
    const QColor fundo(0xEA, 0xF4, 0xFC), painel(0xF6, 0xFB, 0xFF), botao(0xD4, 0xE9, 0xFA);
    const QColor texto(0x1B, 0x2B, 0x3A), realce(0x2F, 0x86, 0xD6);
    p.setColor(QPalette::Window, fundo);
    p.setColor(QPalette::WindowText, texto);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, painel);
    p.setColor(QPalette::Text, texto);
    p.setColor(QPalette::Button, botao);
    p.setColor(QPalette::ButtonText, texto);
    p.setColor(QPalette::Highlight, realce);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(0xC6, 0xDF, 0xF4));
    p.setColor(QPalette::Mid, QColor(0x9B, 0xBF, 0xDE));
    p.setColor(QPalette::Dark, QColor(0x6F, 0x9A, 0xC2));
    p.setColor(QPalette::ToolTipBase, painel);
    p.setColor(QPalette::ToolTipText, texto);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8A, 0x9A, 0xAA));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8A, 0x9A, 0xAA));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8A, 0x9A, 0xAA));
    QApplication::setPalette(p);
    qApp->setStyleSheet("#LabelNome { color: #1F5F99; } #LabelAutor { color: #3C6E99; }");
}

} // namespace vorleta
