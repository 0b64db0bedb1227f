#include "lesson/lesson_window.h"

#include <QCoreApplication>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include "window/program_settings.h"
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "export/whole_file.h"
#include "lesson/graph_panel.h"
#include "lesson/input_panel.h"
#include "lesson/playback.h"
#include "lesson/race_scene.h"
#include "lesson/results_view.h"
#include "model/trajectory.h"
#include "plot/model_styles.h"
#include "ui/form1_controls.h"
#include "window/comparison_menu.h"
#include "window/form1.h"
#include "window/preset_menus.h"
#include "window/view_scale.h"

namespace velunta {

namespace {

QFont scaledFont(QFont font, double s) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * s);
    else if (font.pixelSize() > 0)
        font.setPixelSize(int(std::lround(font.pixelSize() * s)));
    return font;
}

}  // namespace

LessonWindow::LessonWindow(Form1& form) : form_(form) {
    setObjectName(QStringLiteral("lessonWindow"));
    setWindowTitle(QCoreApplication::translate("LessonWindow", "Велунта. Урок"));
    setWindowIcon(form.windowIcon());

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("lessonClient"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);
    splitter_ = new QSplitter(Qt::Horizontal, central);
    splitter_->setObjectName(QStringLiteral("lessonSplitter"));
    splitter_->setChildrenCollapsible(false);
    column->addWidget(splitter_, 1);

    // Left: the inputs, scrolled only where a screen is lower than any lesson's.
    auto* left = new QWidget(splitter_);
    left->setObjectName(QStringLiteral("lessonLeft"));
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    auto* scroll = inputsScroll_ = new QScrollArea(left);
    scroll->setObjectName(QStringLiteral("lessonInputsScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    inputs_ = new InputPanel(form, scroll);
    scroll->setWidget(inputs_);
    inputs_->installEventFilter(this);
    leftColumn->addWidget(scroll, 1);
    auto* sizeRow = new QHBoxLayout;
    auto* sizeLabel = new QLabel(QCoreApplication::translate("LessonWindow", "Текст:"), left);
    textSize_ = new QComboBox(left);
    textSize_->setObjectName(QStringLiteral("lessonTextSize"));
    for (double step : ViewScale::kSteps) textSize_->addItem(QStringLiteral("%1 %").arg(std::lround(step * 100)), step);
    textSize_->setToolTip(QCoreApplication::translate("LessonWindow", "Размер текста и толщина линий для проектора (Ctrl+= крупнее, Ctrl+- мельче)"));
    textSize_->setAccessibleName(QCoreApplication::translate("LessonWindow", "Размер текста"));
    sizeLabel->setBuddy(textSize_);
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(textSize_, 1);
    leftColumn->addLayout(sizeRow);

    scene_ = new RaceScene(splitter_);
    scene_->setObjectName(QStringLiteral("lessonScene"));

    auto* right = right_ = new QSplitter(Qt::Vertical, splitter_);
    right->setObjectName(QStringLiteral("lessonRightSplitter"));
    right->setChildrenCollapsible(false);
    graphs_ = new GraphPanel(form, right);
    results_ = new ResultsView(right);
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 2);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 2);
    splitter_->setStretchFactor(2, 4);

    results_->regimeLine()->setParent(central);
    column->addWidget(results_->regimeLine());
    playback_ = new Playback(this);
    timeBar_ = new TimeBar(playback_, central);
    timeBar_->setObjectName(QStringLiteral("lessonTimeBar"));
    column->addWidget(timeBar_);
    setCentralWidget(central);

    createMenus();
    setTabChain();
    connect(playback_, &Playback::timeChanged, this, &LessonWindow::showTime);
    qApp->installEventFilter(this);
    connect(&form, &Form1::recomputed, this, [this] {
        if (isVisible()) refresh();
    });
    connect(results_, &ResultsView::copyRequested, this, &LessonWindow::copyResults);
    connect(textSize_, &QComboBox::activated, this, [this](int i) { setTextScale(textSize_->itemData(i).toDouble()); });
    scene_->setKept(&form.keptCurves());
    // Hidden, the classic window has not computed anything yet.
    if (!form.isVisible()) form.Form_Resize();
    setTextScale(programSettings().value(QStringLiteral("lesson/textScale"), 1.0).toDouble());
    resize(1280, 800);
}

void LessonWindow::createMenus() {
    Form1Controls& c = form_.controls();
    auto command = [this](QMenu* menu, const QString& text, const char* name, const QList<QKeySequence>& keys,
                          auto handler) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcuts(keys);
        // Every command acts on the finished inputs, as in the classic window.
        connect(a, &QAction::triggered, &form_, &Form1::finishPendingEdits);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu* file = menuBar()->addMenu(QCoreApplication::translate("LessonWindow", "&Файл"));
    command(file, QCoreApplication::translate("LessonWindow", "Сохранить таблицу…"), "lessonSaveTable", {}, [this] {
        form_.drawHiddenPictures();
        form_.mnuFileSaveTable_Click();
    });
    command(file, QCoreApplication::translate("LessonWindow", "Сохранить рисунок…"), "lessonSavePicture", {}, [this] { savePicture(); });
    command(file, QCoreApplication::translate("LessonWindow", "Печать рабочего листа…"), "lessonPrint", {QKeySequence::Print},
            [this] {
                form_.drawHiddenPictures();
                form_.mnuFilePrint_Click();
            });
    command(file, QCoreApplication::translate("LessonWindow", "Копировать результаты"), "lessonCopyResults", {QKeySequence(QStringLiteral("Ctrl+Shift+C"))},
            [this] { copyResults(); });
    command(file, QCoreApplication::translate("LessonWindow", "Копировать рисунок"), "lessonCopyPicture", {QKeySequence::Copy},
            [this] { QApplication::clipboard()->setImage(viewPicture()); });
    file->addSeparator();
    command(file, QCoreApplication::translate("LessonWindow", "Выход"), "lessonExit", {}, [this] { close(); });

    // The classic window's own menus: one set of check marks and kept curves.
    menuBar()->addMenu(form_.presetMenus()->ballMenu());
    menuBar()->addMenu(form_.presetMenus()->mediumMenu());
    menuBar()->addMenu(form_.comparisonMenu()->menu());

    QMenu* view = menuBar()->addMenu(QCoreApplication::translate("LessonWindow", "&Вид"));
    classic_ = command(view, QCoreApplication::translate("LessonWindow", "Классический вид"), "lessonClassicView", {QKeySequence(Qt::CTRL | Qt::Key_L)},
                       [this] { emit classicViewRequested(); });
    view->addSeparator();
    enlarge_ = command(view, QCoreApplication::translate("LessonWindow", "Крупнее"), "lessonEnlarge",
                       {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
                       [this] { stepTextScale(1); });
    shrink_ = command(view, QCoreApplication::translate("LessonWindow", "Мельче"), "lessonShrink", {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
                      [this] { stepTextScale(-1); });
    resetScale_ = command(view, QCoreApplication::translate("LessonWindow", "Обычный размер (100 %)"), "lessonResetScale",
                          {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { setTextScale(1); });
    view->addSeparator();
    QAction* net = view->addAction(QCoreApplication::translate("LessonWindow", "Равнодействующая сила"));
    net->setObjectName(QStringLiteral("lessonNetForce"));
    net->setCheckable(true);
    connect(net, &QAction::toggled, scene_, &RaceScene::setShowNetForce);
    if (auto* fullCurve = form_.findChild<QAction*>(QStringLiteral("mnuViewFullModelCurve"))) view->addAction(fullCurve);
    menuBar()->addMenu(c.mnuHelp);
}

void LessonWindow::setTabChain() {
    QList<QWidget*> chain = inputs_->tabChain();
    chain << textSize_ << graphs_->tabChain();
    chain << results_->table() << results_->copyButton();
    for (QWidget* w : timeBar_->findChildren<QWidget*>())
        if (w->focusPolicy() & Qt::TabFocus) chain << w;
    for (int i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

// Space plays or pauses and ← → step a frame wherever the keys go in this
// window, before the focused control sees them; a text field keeps them for its
// text and cursor, a table for moving between its cells.
bool LessonWindow::timeKey(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int k = key->key();
    if ((k != Qt::Key_Space && k != Qt::Key_Left && k != Qt::Key_Right) || key->modifiers() != Qt::NoModifier) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || widget != QApplication::focusWidget()) return false;
    if (widget->inherits("QLineEdit") || widget->inherits("QAbstractSpinBox") || widget->inherits("QTextEdit") ||
        widget->inherits("QPlainTextEdit") || widget->inherits("QAbstractItemView"))
        return false;
    // Taken before any shortcut or the control's own handling.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (k == Qt::Key_Space) {
        if (!key->isAutoRepeat()) playback_->toggle();
    } else {
        playback_->stepFrame(k == Qt::Key_Right ? 1 : -1);
    }
    return true;
}

// The inputs never narrower than their texts (which grow with the text size), with
// room for a scroll bar on a low screen.
bool LessonWindow::eventFilter(QObject* watched, QEvent* event) {
    if (timeKey(watched, event)) return true;
    if (watched == inputs_ && event->type() == QEvent::LayoutRequest)
        inputsScroll_->setMinimumWidth(inputs_->minimumSizeHint().width() +
                                       inputsScroll_->verticalScrollBar()->sizeHint().width());
    return QMainWindow::eventFilter(watched, event);
}

double LessonWindow::time() const { return playback_->time(); }

void LessonWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    refresh();
    if (!sized_) {
        // A teacher starts by typing a height: the first field takes the keys.
        inputs_->field(InputField::h)->setFocus();
        // The whole table where the screen has room for it, the graphs taking the rest.
        sized_ = true;
        QTableWidget* t = results_->table();
        const int table = t->horizontalHeader()->height() + t->verticalHeader()->length() + 2 * t->frameWidth() +
                          results_->copyButton()->sizeHint().height() + 8;
        const int total = right_->height();
        const int shown = std::min(table, total * 45 / 100);
        right_->setSizes({total - shown, shown});
    }
}

void LessonWindow::refresh() {
    const Model& m = form_.model();
    double end = 0;
    for (const ModelStyle& s : kModelStyles) end = std::max(end, landingTime(m, s.model));
    // The kept sets are the form's one object: the new range covers them too.
    scene_->setModel(&m);
    playback_->setEnd(std::isfinite(end) ? end : 0);
    graphs_->redraw();
    results_->showResults(m, time());
    inputs_->refresh();
    showTime(time());
}

void LessonWindow::showTime(double t) {
    scene_->setTime(t);
    graphs_->setTime(t);
    results_->showTime(form_.model(), t);
}

void LessonWindow::setTextScale(double scale) {
    const auto step = std::find_if(std::begin(ViewScale::kSteps), std::end(ViewScale::kSteps),
                                   [scale](double s) { return std::fabs(s - scale) < 1e-6; });
    textScale_ = step == std::end(ViewScale::kSteps) ? 1.0 : *step;
    // The application's font is the classic window's, grown by its own step.
    const QFont base = scaledFont(QApplication::font(), 1 / form_.viewScale()->scale());
    centralWidget()->setFont(scaledFont(base, textScale_));
    menuBar()->setFont(scaledFont(base, textScale_));
    textSize_->setCurrentIndex(textSize_->findData(textScale_));
    enlarge_->setEnabled(textScale_ < ViewScale::kSteps[std::size(ViewScale::kSteps) - 1]);
    shrink_->setEnabled(textScale_ > ViewScale::kSteps[0]);
    scene_->setTextScale(textScale_);
    graphs_->setTextScale(textScale_);
    QSettings s = programSettings();
    s.setValue(QStringLiteral("lesson/textScale"), textScale_);
}

void LessonWindow::stepTextScale(int direction) {
    const int i = std::clamp(textSize_->findData(textScale_) + direction, 0, textSize_->count() - 1);
    setTextScale(textSize_->itemData(i).toDouble());
}

QImage LessonWindow::viewPicture() const { return centralWidget()->grab().toImage(); }

bool LessonWindow::savePictureFile(const QString& path, QString& error) const {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QBuffer buffer;
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(centralWidget()->size());
        svg.setViewBox(QRect(QPoint(0, 0), centralWidget()->size()));
        svg.setTitle(windowTitle());
        {
            QPainter p(&svg);
            centralWidget()->render(&p);
        }
        return writeWholeFile(path, buffer.data(), error);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    viewPicture().save(&buffer, "PNG");
    return writeWholeFile(path, png, error);
}

void LessonWindow::savePicture() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, QCoreApplication::translate("LessonWindow", "Сохранить рисунок"), folder + QCoreApplication::translate("LessonWindow", "/урок.png"),
                                                      QCoreApplication::translate("LessonWindow", "Рисунок PNG (*.png);;Векторный рисунок SVG (*.svg)"));
    if (path.isEmpty()) return;
    QString error;
    if (!savePictureFile(path, error)) QMessageBox::warning(this, QCoreApplication::translate("LessonWindow", "Ошибка"), error);
}

void LessonWindow::copyResults() const { QApplication::clipboard()->setText(results_->copyText(form_.model(), time())); }

// The question before the end of the program is the classic window's.
void LessonWindow::closeEvent(QCloseEvent* event) { event->setAccepted(form_.close()); }

}  // namespace velunta
