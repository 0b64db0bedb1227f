#include "window/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>

#include "window/comparison_menu.h"
#include "window/experiment_menu.h"
#include "window/main_menu.h"
#include "plot/pipeline.h"
#include "window/preset_menus.h"
#include "window/status_line.h"
#include "window/view_scale.h"
#include "model/format.h"
#include "model/quantities.h"
#include "plot/kept_curves.h"
#include "ui/fit_text.h"
#include "ui/layout_grid.h"
#include "ui/tone.h"

namespace velunta {

Form1::Form1() {
    ownDialogs_ = std::make_unique<QtDialogs>(this);
    ownTone_ = std::make_unique<AudioTone>();
    ownOpener_ = std::make_unique<QtDocumentOpener>();
    services_ = {ownDialogs_.get(), ownTone_.get(), ownOpener_.get()};
    construct();
}

Form1::Form1(const Form1Services& services) : services_(services) { construct(); }

// The input fields' watcher calls back into the window: it goes first, so that
// no event of a field being torn down reaches a window already half destroyed.
Form1::~Form1() { delete findChild<QObject*>(QStringLiteral("inputFieldWatcher"), Qt::FindDirectChildrenOnly); }

void Form1::construct() {
    setWindowTitle(tr("Велунта."));
    setWindowIcon(QIcon(":/icons/velunta.svg"));
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->setAutoFillBackground(true);
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, toQColor(0xE0E0E0));
    client_->setPalette(pal);
    setCentralWidget(client_);
    buildForm1Controls(client_, menuBar(), c_);
    kept_ = std::make_unique<KeptCurves>();
    createMenus();
    statusLine_ = new StatusLine(statusBar(), m_, c_, this);
    connect(this, &Form1::recomputed, statusLine_, &StatusLine::showRegime);
    experiment_->panel()->setParent(client_);
    connect(this, &Form1::recomputed, statusLine_, [this] {
        experiment_->refresh();
        statusLine_->showExperiment(experiment_->statusText(), experiment_->shown());
    });
    // A click on the empty client area or a picture takes the focus, so it leaves an input field.
    client_->setFocusPolicy(Qt::ClickFocus);
    // The design client area is 800 x 512 pixels, between the menu bar and the status bar.
    client_->setMinimumSize(0, 0);
    resize(800, 512 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    // The bars take what their layout gives them, not always their hint: measure and correct.
    QWidget::layout()->activate();
    resize(size() + QSize(800, 512) - client_->size());
    client_->installEventFilter(this);
    connectHandlers();
    Form_Load();
    connectLessonCommands();
}

void Form1::connectHandlers() {
    connectMenuCommands();
    connectInputFields();
    connectViewControls();
    connectRunCommands();
}

// ---- Start-up -----------------------------------------------------------------

void Form1::Form_Load() {
    zagruzka_ = 0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(int(0.05 * s.width()), int(0.05 * s.height()));
    }
    // The Russian window follows the desktop's locale, as it always has; the others a point.
    m_.locale_decimal_point = decimalCommaShown() ? QLocale().decimalPoint().toStdString() : ".";
    init_inputs();
    m_.parametr();
    showCaptions();
    zagruzka_ = 1;
}

void Form1::init_inputs() {
    m_.set_defaults();
    c_.HScroll1->setValue(int(m_.mashtab_x * 100));
    c_.VScroll1->setValue(int(m_.mashtab_y * 100));
    auto write = [](QLineEdit* box, double value, const char* pattern) {
        box->setText(QString::fromStdString(point(Format(value, pattern))));
    };
    write(c_.Text1, m_.h, "0.000");
    write(c_.Text2, m_.V0y, "0.000");
    write(c_.Text4, m_.d, "0.000000");
    write(c_.Text5, m_.massa, "0.000000");
    write(c_.Text6, m_.r0, "0.000");
    write(c_.Text7, m_.eta, "0.0000000");
    write(c_.Text3, m_.c, "0.0000000");
    c_.HScroll2->setValue(m_.tormoz);
    c_.Label27->setText(QString::number(m_.tormoz));
    c_.VScroll2->setValue(1);
}

// ---- The recompute pipeline ------------------------------------------------------

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) Form_Resize();
    // The three result boxes marked "Нажми" answer a click like buttons.
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == c_.Label22) Label22_Click();
        if (watched == c_.Label23) Label23_Click();
        if (watched == c_.Label5) Label5_Click();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::layout() {
    viewScale_->layout();
    // The experiment's panel below the frame "Графики", right of the equation.
    const double s = viewScale_->scale();
    QLabel* panel = experiment_->panel();
    panel->setGeometry(QRect(QPoint(int(464 * s), int(468 * s)), QSize(int(334 * s), int(43 * s))));
    QFont font = panel->font();
    font.setPixelSize(std::max(8, int(std::lround(10 * s))));
    panel->setFont(font);
}

void Form1::Form_Resize() {
    if (zagruzka_.value_or(0) == 0) return;
    if (drawingDeferred()) {
        recompute(m_);
        picturesStale_ = true;
        ++pipelineRuns_;
        emit recomputed();
        return;
    }
    drawPipeline();
}

void Form1::drawPipeline() {
    picturesStale_ = false;
    const RunPlace place = RunPlace::of(m_);
    layout();
    const PipelineSurfaces surfaces{*c_.Picture1, *c_.Picture2, *c_.Picture3, *c_.Shape1, kept_.get(), showFullModelCurve_,
                                      experiment_->shown()};
    recompute(m_, &surfaces);
    showCaptions();
    // The same inputs: a run in progress goes on from its place, on the renewed pictures.
    if (runDepth_ > 0 && !trail_.empty()) place.restore(m_);
    redrawRun();
    ++pipelineRuns_;
    emit recomputed();
}

// Hidden behind the lesson view (shown once, then hidden), the window computes
// its results but draws nothing; the pictures are drawn again, in full, when it
// is shown. A window never shown yet draws as before.
bool Form1::drawingDeferred() const {
    return !isVisible() && testAttribute(Qt::WA_WState_ExplicitShowHide) && runDepth_ == 0;
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (picturesStale_ && zagruzka_.value_or(0) == 1) drawPipeline();
}

void Form1::drawHiddenPictures() {
    if (picturesStale_) drawPipeline();
}

void Form1::redrawGraphs() {
    if (drawingDeferred()) {
        picturesStale_ = true;
        return;
    }
    velunta::redrawGraphs(m_, PipelineSurfaces{*c_.Picture1, *c_.Picture2, *c_.Picture3, *c_.Shape1, kept_.get(),
                                               showFullModelCurve_, experiment_->shown()});
}

void Form1::setShowFullModelCurve(bool on) {
    if (on == showFullModelCurve_) return;
    showFullModelCurve_ = on;
    Form_Resize();
}


// Gives the result labels the captions and hints of what has been computed.
void Form1::showCaptions() {
    const LabelTexts texts = labelTexts(m_);
    for (const auto& [name, text] : texts.captions())
        if (QLabel* label = c_.label(QString::fromStdString(name))) {
            const Quantity* q = findQuantity(name);
            const QString caption = q ? shownCaption(*q, text) : QString::fromStdString(text);
            if (label->text() != caption) label->setText(caption);
            fitTextToBox(*label, viewScale_->scale());
        }
    for (const auto& [name, text] : texts.toolTips())
        if (QLabel* label = c_.label(QString::fromStdString(name)))
            label->setToolTip((name == "Label33" ? shownPhrase(descentHintPhrase(m_)) : QString::fromStdString(text))
                                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

// ---- End of the program ---------------------------------------------------------------

void Form1::mnuFileExit_Click() { close(); }

bool Form1::Form_Unload() {
    return services_.dialogs->MsgBox(tr("Вы абсолютно уверены?"), vbYesNo, tr("На Выход")) == vbYes;
}

void Form1::closeEvent(QCloseEvent* event) {
    // Unsaved lesson changes first: the user may still save them, or stay.
    if (ending_ || (maySetLessonAside() && Form_Unload())) {
        ending_ = true;
        event->accept();
        QApplication::closeAllWindows();
        QCoreApplication::exit(0);
    } else {
        event->ignore();
    }
}

}  // namespace velunta
