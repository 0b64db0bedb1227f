// The controls of both windows as the user first sees them: kind, caption,
// hint, the colours actually painted, fonts, visibility, scroll ranges, the
// menu tree with its pictures and the tab order.

#include <QFile>
#include <QFontInfo>
#include <QMenuBar>
#include <QtTest>

#include "ui/form1_controls.h"
#include "ui/form2.h"
#include "ui/layout_grid.h"

using namespace velunta;

namespace {

const QColor kGrey(224, 224, 224), kYellow(255, 255, 192), kCyan(192, 255, 255);
const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kBlue(0, 0, 255), kRed(255, 0, 0);
const QColor kTransparent;  // no background of its own

QString textOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
    return {};
}

// The colour that covers most of the widget as painted: its background.
QColor paintedBackground(QWidget* w) {
    auto* picture = qobject_cast<Canvas*>(w);
    const QImage shot = picture ? picture->image() : w->grab().toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) ++counts[shot.pixel(x, y)];
    QRgb dominant = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) most = it.value(), dominant = it.key();
    return QColor::fromRgb(dominant);
}

// The style may shade a surface slightly (a group box's inside); the colours
// of the scheme differ from each other by far more than that.
bool sameColour(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 4 && std::abs(a.green() - b.green()) <= 4 &&
           std::abs(a.blue() - b.blue()) <= 4;
}

}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controls_data();
    void controls();
    void fonts_data();
    void fonts();
    void scrollBars_data();
    void scrollBars();
    void menuTree();
    void tabOrder();
    void startState();
    void labelLookup();
    void authorsWindow();

private:
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    Form1Controls c_;
};

void ControlsTest::init() {
    client_ = new QWidget;
    client_->resize(800, 512);
    menuBar_ = new QMenuBar;
    c_ = Form1Controls{};
    buildForm1Controls(client_, menuBar_, c_);
    // Sizes to paint at: the window's own grid.
    applyLayout(computeLayout(800, 512), c_);
}

void ControlsTest::cleanup() {
    delete client_;
    delete menuBar_;
}

void ControlsTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<bool>("visible");
    auto row = [](const char* name, const char* cls, const QString& text, const QString& tip,
                  QColor back, QColor fore = kBlack, bool visible = true) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(cls) << text << tip
                            << back << fore << visible;
    };
    const char* L = "QLabel";
    const char* T = "QLineEdit";
    const QString none;

    // Parameter panel.
    row("Label36", L, "Параметры", none, kGrey);
    row("Label1", L, "h=", none, kGrey);
    row("Label3", L, "Vоy=", none, kGrey);
    row("Label7", L, "d=", "диаметр шара", kGrey);
    row("Label9", L, "m=", none, kGrey);
    row("Label11", L, "ρο=", none, kGrey);
    row("Label13", L, "η=", none, kGrey);
    row("Label34", L, "c =", none, kGrey);
    row("Text1", T, "Text1", "начальная высота", kYellow);
    row("Text2", T, "Text2", "проекция начальной скорости ", kYellow);
    row("Text4", T, "Text4", "Диаметр шара", kYellow);
    row("Text5", T, "Text5", "масса шара", kYellow);
    row("Text6", T, "Text6", "плотность среды", kYellow);
    row("Text7", T, "Text7", "вязкость среды", kYellow);
    row("Text3", T, "Text3", "коэффициент лобового сопротивления для шара", kYellow);
    row("Label2", L, " м", none, kGrey);
    row("Label4", L, " м/с", none, kGrey);
    row("Label8", L, " м", none, kGrey);
    row("Label10", L, " кг", none, kGrey);
    row("Label12", L, " кг/м3", none, kGrey);
    row("Label14", L, " Па с", none, kGrey);
    row("Label43", L, "Label43", "плотность материала  шара", kCyan);

    // Headers and legends in the colours of their models.
    row("Label32", L, "Характеристики", "Рассчитанные характеристики движения", kGrey);
    row("Label15", L, "__ в вакууме", none, kGrey);
    row("Label21", L, "__ в среде (Fc~v)", "При линейной зависимости силы сопротивления от скорости", kGrey, kBlue);
    row("Label28", L, "__ в среде (+Fc~v^2)", "При квадратичной зависимости силы сопротивления от скорости", kGrey, kRed);

    // Result boxes show their own name until computed.
    row("Label16", L, "Label16", "время подъёма до максимальной высоты в вакууме. Аналитически.", kCyan);
    row("Label19", L, "Label19", "максимальная высота подъёма в вакууме. Аналитически", kCyan);
    row("Label17", L, "Label17", "время всего полёта в вакууме. Аналитически", kCyan);
    row("Label38", L, "Label38", "проекция скорости Vy в конце полёта в вакууме. Аналитически", kCyan);
    row("Label22", L, "Label22", "Характерное время. Нажми", kCyan);
    row("Label23", L, "Label23", "Предельная вертикальная скорость.Нажми", kCyan);
    row("Label24", L, "Label24", "Время подъёма до максимальной высоты в среде. Аналитически", kCyan);
    row("Label25", L, "Label25", "Максимальная высота подъёма в среде. Аналитически", kCyan);
    row("Label26", L, "Label26", "Время всего полёта в среде (численно с уточнением до 0,00000001 с)", kCyan, kBlue);
    row("Label40", L, "Label40", "Проекция скорости Vy в конце полета в среде (численно с уточнением)", kCyan, kBlue);
    row("Label37", L, "Label37", "Координата при времени Tmax1. Аналитически", kCyan);
    row("Label5", L, "Label5", "Величина R. Нажми", kCyan);
    row("Label44", L, "Label44", "Предельная вертикальная скорость", kCyan);
    row("Label29", L, "Label29", "Время подъёма до максимальной высоты в среде. Аналитически.", kCyan);
    row("Label30", L, "Label30", "Максимальная высота подъёма. Аналитически.", kCyan);
    row("Label33", L, "Label33", "Время спуска с максимальной высоты.Аналитически. С уточнением до 8 знака", kCyan);
    row("Label6", L, "Label6", "Параметр b", kCyan);
    row("Label31", L, "Label31", "Время всего полёта. Аналитически.  С уточнением до 8 знака", kCyan);
    row("Label18", L, "Label18", "Декремент при спуске", kCyan);
    row("Label42", L, "Label42", "Проекция скорости Vy в конце полета (численно)", kCyan);
    row("Label20", L, "Label20", "Параметр fi", kCyan);
    row("Label35", L, "Label35", "Координата при времени Tmax2. Аналитически", kCyan);

    // Greek letters over the boxes, see-through.
    row("Label22_2", L, " τ", none, kTransparent);
    row("Label18_2", L, "δ", none, kTransparent);
    row("Label20_2", L, " φ", none, kTransparent);
    row("Label43_2", L, "ρ", none, kTransparent);

    row("Label27", L, "Label27", "замедление времени", kYellow);

    // Drawing surfaces (the counters as the grid styles them).
    row("Picture1", "velunta::Canvas", none, "Анимация движения", kWhite);
    row("Picture2", "velunta::Canvas", none, none, kWhite, kBlack, false);
    row("Picture3", "velunta::Canvas", none, none, kWhite, kBlack, false);
    row("Picture4", "velunta::Canvas", none, "счетчик времени", kBlack);
    row("Picture14", "velunta::Canvas", none, "Координата", kBlack);

    row("Frame1", "QGroupBox", "Графики", none, kGrey);
    row("Option1", "QRadioButton", "анимация", none, kGrey);
    row("Option2", "QRadioButton", "координата x(t)", none, kGrey);
    row("Option3", "QRadioButton", "проекция Vy(t)", none, kGrey);
    row("CmdOK", "QPushButton", "ПУСК", "запуск установки", QColor());
    row("Command1", "QPushButton", "Пересчёт",
        "Пересчёт характеристик и установка в мсходное состояние", QColor(), kBlack, false);
}

void ControlsTest::controls() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(QColor, background);
    QFETCH(QColor, foreground);
    QFETCH(bool, visible);

    auto* w = client_->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), className);
    QCOMPARE(w->parentWidget(), name.startsWith("Option") ? c_.Frame1 : client_);
    QCOMPARE(textOf(w), text);
    QCOMPARE(w->toolTip(), toolTip);
    QCOMPARE(!w->isHidden(), visible);

    if (qobject_cast<Canvas*>(w)) {
        QCOMPARE(paintedBackground(w), background);  // drawn into the backing image exactly
        return;
    }
    if (name.startsWith("Cmd") || name.startsWith("Command")) return;  // the style's own button face
    if (!background.isValid()) {
        QVERIFY(!w->autoFillBackground());
    } else {
        QVERIFY(w->autoFillBackground() || qobject_cast<QLineEdit*>(w));
        QCOMPARE(w->palette().color(w->backgroundRole()), background);
        const QColor painted = paintedBackground(w);
        QVERIFY2(sameColour(painted, background), qPrintable(painted.name()));
    }
    QCOMPARE(w->palette().color(w->foregroundRole()), foreground);
}

void ControlsTest::fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("serif");
    QTest::newRow("caption") << "Label1" << 12.0 << false << true;
    QTest::newRow("Greek caption") << "Label13" << 14.25 << false << true;
    QTest::newRow("unit") << "Label14" << 12.0 << false << true;
    QTest::newRow("input") << "Text5" << 12.0 << false << true;
    QTest::newRow("legend") << "Label28" << 12.0 << false << true;
    QTest::newRow("result") << "Label31" << 12.0 << false << true;
    QTest::newRow("overlay") << "Label20_2" << 14.25 << false << true;
    QTest::newRow("frame") << "Frame1" << 11.25 << false << true;
    QTest::newRow("option") << "Option3" << 11.25 << false << true;
    QTest::newRow("start button") << "CmdOK" << 8.25 << true << false;
    QTest::newRow("recompute button") << "Command1" << 8.25 << true << false;
}

void ControlsTest::fonts() {
    QFETCH(QString, name);
    QFETCH(double, pointSize);
    QFETCH(bool, bold);
    QFETCH(bool, serif);
    auto* w = client_->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->font().pointSizeF(), pointSize);
    QCOMPARE(w->font().bold(), bold);
    // What the font database really chose: Times New Roman or its metric twin.
    const QString family = QFontInfo(w->font()).family();
    const bool isSerif = family == "Times New Roman" || family == "Liberation Serif";
    QVERIFY2(isSerif == serif, qPrintable(family));
}

void ControlsTest::scrollBars_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("smallChange");
    QTest::addColumn<int>("largeChange");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("visible");
    QTest::newRow("VScroll1") << "VScroll1" << int(Qt::Vertical) << 10 << 200 << 1 << 10 << 10 << true;
    QTest::newRow("HScroll1") << "HScroll1" << int(Qt::Horizontal) << 10 << 200 << 1 << 10 << 10 << false;
    QTest::newRow("VScroll2") << "VScroll2" << int(Qt::Vertical) << 1 << 5 << 1 << 1 << 1 << true;
    QTest::newRow("HScroll2") << "HScroll2" << int(Qt::Horizontal) << 0 << 5 << 1 << 1 << 0 << true;
}

void ControlsTest::scrollBars() {
    QFETCH(QString, name);
    QFETCH(int, orientation);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, smallChange);
    QFETCH(int, largeChange);
    QFETCH(int, value);
    QFETCH(bool, visible);
    auto* bar = client_->findChild<QScrollBar*>(name);
    QVERIFY(bar);
    QCOMPARE(int(bar->orientation()), orientation);
    QCOMPARE(bar->minimum(), min);
    QCOMPARE(bar->maximum(), max);
    QCOMPARE(bar->singleStep(), smallChange);
    QCOMPARE(bar->pageStep(), largeChange);
    QCOMPARE(bar->value(), value);
    QCOMPARE(!bar->isHidden(), visible);
}

void ControlsTest::menuTree() {
    const QList<QAction*> top = menuBar_->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->menu(), c_.mnuFile);
    QCOMPARE(top[1]->menu(), c_.mnuHelp);
    QCOMPARE(c_.mnuFile->title(), QString("&Файл"));
    QCOMPARE(c_.mnuHelp->title(), QString("&Помощь"));

    const QStringList fileItems{"mnuFilespravka2:Справка", "mnuFilespravka:Таблица",
                                "mnuFilesHistory:История", "mnuHelpSep1:-", "mnuFileExit:Выход"};
    const QStringList helpItems{"mnuHelpInstruction:Инструкция", "mnuHelpUprav:Управление",
                                "mnuHelpSep2:-", "mnuHelpAvtors:Авторы",
                                "mnuHelpAbout:О программе", "mnuHelpAbout2:Регистрация"};
    for (const auto& [menu, expected] : {std::pair{c_.mnuFile, fileItems}, std::pair{c_.mnuHelp, helpItems}}) {
        QStringList actual;
        for (QAction* item : menu->actions()) {
            actual << item->objectName() + ':' + (item->isSeparator() ? QString("-") : item->text());
            if (item->isSeparator()) continue;
            QVERIFY2(!item->icon().isNull(), qPrintable(item->objectName()));
            QVERIFY(item->shortcut().isEmpty());
            // One picture for both states of the item.
            const QImage off = item->icon().pixmap(32, QIcon::Normal, QIcon::Off).toImage();
            const QImage on = item->icon().pixmap(32, QIcon::Normal, QIcon::On).toImage();
            QVERIFY(!off.isNull());
            QCOMPARE(on, off);
        }
        QCOMPARE(actual, expected);
    }
}

// Tab goes from the start button through the inputs in their own order.
void ControlsTest::tabOrder() {
    QList<QWidget*> stops;
    QWidget* w = client_;
    do {
        w = w->nextInFocusChain();
        if ((w->focusPolicy() & Qt::TabFocus) && client_->isAncestorOf(w)) stops << w;
    } while (w != client_ && stops.size() < 8);
    const QList<QWidget*> expected{c_.CmdOK, c_.Text2, c_.Text1, c_.Text4,
                                   c_.Text5, c_.Text6, c_.Text7, c_.Text3};
    QCOMPARE(stops, expected);
}

void ControlsTest::startState() {
    QVERIFY(c_.Option1->isChecked());
    QVERIFY(!c_.Option2->isChecked() && !c_.Option3->isChecked());
    QVERIFY(!c_.Timer1->isActive());
    QCOMPARE(c_.Timer1->interval(), 1);
    QCOMPARE(c_.Timer1->objectName(), QString("Timer1"));
    QCOMPARE(c_.Shape1->parent(), c_.Picture1);
    QCOMPARE(c_.Shape1->fillColor(), Colour(0xFF));
    QCOMPARE(c_.Shape1->Width(), 10.0);
    QCOMPARE(c_.Shape1->Height(), 10.0);
    for (Canvas* graph : {c_.Picture1, c_.Picture2, c_.Picture3}) {
        QVERIFY(graph->AutoRedraw());
        QCOMPARE(graph->FontSize(), 11.25);
    }
    for (QLabel* clickable : {c_.Label22, c_.Label23, c_.Label5})
        QCOMPARE(clickable->cursor().shape(), Qt::PointingHandCursor);
    // Clicks on a Greek letter reach the box underneath.
    QVERIFY(c_.Label22_2->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(c_.Label22_2->size(), QSize(20, 24));
    // The overlays are painted over their boxes.
    QVERIFY(client_->children().indexOf(c_.Label18_2) > client_->children().indexOf(c_.Label18));

    QVERIFY(QFile::exists(":/pictures/equation.svg"));
    QVERIFY(c_.Picture15->hasPicture());
    QCOMPARE(c_.Picture15->size(), QSize(268, 56));
    QVERIFY(c_.Picture15->picture().width() <= 268 && c_.Picture15->picture().height() <= 56);
}

void ControlsTest::labelLookup() {
    QCOMPARE(c_.label("Label33"), c_.Label33);
    QCOMPARE(c_.label("Label43_2"), c_.Label43_2);
    QCOMPARE(c_.label("Text1"), nullptr);
    QCOMPARE(c_.label("Label99"), nullptr);
}

void ControlsTest::authorsWindow() {
    Form2 form;
    QVERIFY(form.isWindow());
    QCOMPARE(form.windowTitle(), QString("Авторы"));
    QCOMPARE(form.size(), QSize(222, 297));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.Image1->geometry(), QRect(32, 8, 150, 180));
    QVERIFY(!form.Image1->pixmap().isNull());
    QCOMPARE(form.Label1->geometry(), QRect(8, 200, 209, 81));
    // Six lines of text must fit the label's height.
    form.Label1->setText(QStringLiteral("1\n2\n3\n4\n5\n6"));
    QVERIFY(form.Label1->sizeHint().height() <= form.Label1->height());
    QCOMPARE(form.findChild<QLabel*>("Label1"), form.Label1);
    QCOMPARE(form.findChild<QLabel*>("Image1"), form.Image1);
}

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
