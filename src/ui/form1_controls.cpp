#include "ui/form1_controls.h"

#include <QCoreApplication>
#include <QPalette>
#include <iterator>
#include <QWidget>

#include "model/quantities.h"
#include "draw/colours.h"
#include "draw/fonts.h"
#include "ui/menu_pictures.h"

namespace velunta {

namespace {

// The colour scheme of the window (0x00BBGGRR).
constexpr Colour kGrey = 0xE0E0E0;    // window, captions, units, headers
constexpr Colour kYellow = 0xC0FFFF;  // input boxes
constexpr Colour kCyan = 0xFFFFC0;    // result boxes

constexpr double kTextPt = 12;
constexpr double kGreekPt = 14.25;
constexpr double kSmallPt = 11.25;

// Background and text colour through the palette roles the widget itself paints with.
void setColours(QWidget* w, Colour background, Colour text = kBlack) {
    QPalette palette = w->palette();
    palette.setColor(w->backgroundRole(), toQColor(background));
    palette.setColor(w->foregroundRole(), toQColor(text));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

template <class W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* plainLabel(QWidget* parent, const char* name, const QString& text, const QFont& font) {
    auto* label = named(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setFont(font);
    label->setText(text);
    return label;
}

// Caption and unit labels of the parameter panel.
QLabel* captionLabel(QWidget* parent, const char* name, const QString& text,
                     double pointSize = kTextPt) {
    auto* label = plainLabel(parent, name, text, serifFont(pointSize));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColours(label, kGrey);
    return label;
}

// Headers and legends: centred, in the colour of their model's curves.
QLabel* legendLabel(QWidget* parent, const char* name, const QString& text, Colour textColour,
                    const QString& toolTip = {}) {
    auto* label = plainLabel(parent, name, text, serifFont(kTextPt));
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(toolTip);
    setColours(label, kGrey, textColour);
    return label;
}

// A result box shows its own name until the model fills it; its hint is its quantity's.
QLabel* resultBox(QWidget* parent, const char* name, Colour textColour = kBlack) {
    auto* label = plainLabel(parent, name, QString::fromLatin1(name), serifFont(kTextPt));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setIndent(1);
    label->setToolTip(shownModelText(hintOf(name)));
    setColours(label, kCyan, textColour);
    return label;
}

// A Greek letter laid over the left end of a result box. It lets clicks and
// hovering through, so the box underneath keeps its tooltip and click.
QLabel* greekOverlay(QWidget* parent, const char* name, const QString& letter) {
    auto* label = plainLabel(parent, name, letter, serifFont(kGreekPt));
    // Bottom-aligned, the letter's baseline comes close to that of the box's text.
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    label->setIndent(0);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->resize(20, 24);
    return label;
}

// The field of an input quantity, with the quantity's hint.
QLineEdit* inputBox(QWidget* parent, const char* name, const char* quantity) {
    auto* box = named(new QLineEdit(parent), name);
    box->setFont(serifFont(kTextPt));
    box->setText(QString::fromLatin1(name));
    box->setToolTip(shownModelText(hintOf(quantity)));
    setColours(box, kYellow);
    return box;
}

Canvas* canvas(QWidget* parent, const char* name, double fontSize, bool bold = false) {
    auto* picture = named(new Canvas(parent), name);
    picture->setFont(serifFont(fontSize, bold));
    picture->setFontSize(fontSize);
    picture->setFontBold(bold);
    picture->setForeColor(kBlack);
    picture->setBackColor(kWhite);
    return picture;
}

QScrollBar* scrollBar(QWidget* parent, const char* name, Qt::Orientation orientation, int min,
                      int max, int smallChange, int largeChange, int value) {
    auto* bar = named(new QScrollBar(orientation, parent), name);
    bar->setRange(min, max);
    bar->setSingleStep(smallChange);
    bar->setPageStep(largeChange);
    bar->setValue(value);
    return bar;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& toolTip) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setFont(dialogFont(true));
    b->setToolTip(toolTip);
    return b;
}

// An option of the view switch: inside the frame's border, below its title, and
// with no background of its own, so that the border and the title show whole.
QRadioButton* option(QGroupBox* frame, const char* name, const QString& caption, int top) {
    auto* o = named(new QRadioButton(caption, frame), name);
    o->setFont(serifFont(kSmallPt));
    setColours(o, kGrey);
    o->setAutoFillBackground(false);
    o->setGeometry(6, top, 140, 17);
    return o;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption, const QString& picture) {
    QAction* item = menu->addAction(menuPicture(picture), caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QAction* menuSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

void buildMenu(QMenuBar* menuBar, Form1Controls& c) {
    c.mnuFile = named(menuBar->addMenu(QCoreApplication::translate("Form1Controls", "&Файл")), "mnuFile");
    c.mnuFilespravka2 = menuItem(c.mnuFile, "mnuFilespravka2", QCoreApplication::translate("Form1Controls", "Справка"),
                                 QStringLiteral(":/icons/menu_spravka2.svg"));
    c.mnuFilespravka = menuItem(c.mnuFile, "mnuFilespravka", QCoreApplication::translate("Form1Controls", "Таблица"),
                                QStringLiteral(":/icons/menu_spravka.svg"));
    c.mnuFilesHistory = menuItem(c.mnuFile, "mnuFilesHistory", QCoreApplication::translate("Form1Controls", "История"),
                                 QStringLiteral(":/icons/menu_history.svg"));
    // This separator stands in the file menu, whatever its name says.
    c.mnuHelpSep1 = menuSeparator(c.mnuFile, "mnuHelpSep1");
    c.mnuFileExit = menuItem(c.mnuFile, "mnuFileExit", QCoreApplication::translate("Form1Controls", "Выход"),
                             QStringLiteral(":/icons/menu_exit.svg"));

    c.mnuHelp = named(menuBar->addMenu(QCoreApplication::translate("Form1Controls", "&Помощь")), "mnuHelp");
    c.mnuHelpInstruction = menuItem(c.mnuHelp, "mnuHelpInstruction", QCoreApplication::translate("Form1Controls", "Инструкция"),
                                    QStringLiteral(":/icons/menu_instruction.svg"));
    c.mnuHelpUprav = menuItem(c.mnuHelp, "mnuHelpUprav", QCoreApplication::translate("Form1Controls", "Управление"),
                              QStringLiteral(":/icons/menu_uprav.svg"));
    c.mnuHelpSep2 = menuSeparator(c.mnuHelp, "mnuHelpSep2");
    c.mnuHelpAvtors = menuItem(c.mnuHelp, "mnuHelpAvtors", QCoreApplication::translate("Form1Controls", "Авторы"),
                               QStringLiteral(":/icons/menu_avtors.svg"));
    c.mnuHelpAbout = menuItem(c.mnuHelp, "mnuHelpAbout", QCoreApplication::translate("Form1Controls", "О программе"),
                              QStringLiteral(":/icons/menu_about.svg"));
    c.mnuHelpAbout2 = menuItem(c.mnuHelp, "mnuHelpAbout2", QCoreApplication::translate("Form1Controls", "Регистрация"),
                               QStringLiteral(":/icons/menu_about2.svg"));
}

void buildParameterPanel(QWidget* w, Form1Controls& c) {
    c.Label36 = legendLabel(w, "Label36", QCoreApplication::translate("Form1Controls", "Параметры"), kBlack);

    // The captions and units come from the table of quantities; the result
    // boxes that the unit labels reach under are created after them.
    for (const Quantity& q : quantities())
        if (q.group == QuantityGroup::input)
            captionLabel(w, q.display.input.label, QCoreApplication::translate("Form1Controls", q.display.input.caption),
                         q.display.input.greek ? kGreekPt : kTextPt);
    c.Text1 = inputBox(w, "Text1", "h");
    c.Text2 = inputBox(w, "Text2", "V0y");
    c.Text4 = inputBox(w, "Text4", "d");
    c.Text5 = inputBox(w, "Text5", "massa");
    c.Text6 = inputBox(w, "Text6", "r0");
    c.Text7 = inputBox(w, "Text7", "eta");
    c.Text3 = inputBox(w, "Text3", "c");
    for (const Quantity& q : quantities())
        if (q.group == QuantityGroup::input && q.display.input.unitLabel)
            captionLabel(w, q.display.input.unitLabel, QCoreApplication::translate("Form1Controls", q.display.input.unit));

    const auto label = [w](const char* name) { return w->findChild<QLabel*>(QLatin1String(name)); };
    c.Label1 = label("Label1"), c.Label3 = label("Label3"), c.Label7 = label("Label7"), c.Label9 = label("Label9");
    c.Label11 = label("Label11"), c.Label13 = label("Label13"), c.Label34 = label("Label34");
    c.Label2 = label("Label2"), c.Label4 = label("Label4"), c.Label8 = label("Label8"), c.Label10 = label("Label10");
    c.Label12 = label("Label12"), c.Label14 = label("Label14");
    c.Label7->setToolTip(QCoreApplication::translate("Form1Controls", "диаметр шара"));
}

void buildResultPanels(QWidget* w, Form1Controls& c) {
    c.Label32 = legendLabel(w, "Label32", QCoreApplication::translate("Form1Controls", "Характеристики"), kBlack,
                            QCoreApplication::translate("Form1Controls", "Рассчитанные характеристики движения"));
    c.Label15 = legendLabel(w, "Label15", QCoreApplication::translate("Form1Controls", "__ в вакууме"), kBlack);
    c.Label21 = legendLabel(w, "Label21", QCoreApplication::translate("Form1Controls", "__ в среде (Fc~v)"), kBlue,
                            QCoreApplication::translate("Form1Controls", "При линейной зависимости силы сопротивления от скорости"));
    c.Label28 = legendLabel(w, "Label28", QCoreApplication::translate("Form1Controls", "__ в среде (+Fc~v^2)"), kRed,
                            QCoreApplication::translate("Form1Controls", "При квадратичной зависимости силы сопротивления от скорости"));

    c.Label43 = resultBox(w, "Label43");

    c.Label16 = resultBox(w, "Label16");
    c.Label19 = resultBox(w, "Label19");
    c.Label17 = resultBox(w, "Label17");
    c.Label38 = resultBox(w, "Label38");

    c.Label22 = resultBox(w, "Label22");
    c.Label23 = resultBox(w, "Label23");
    c.Label24 = resultBox(w, "Label24");
    c.Label25 = resultBox(w, "Label25");
    c.Label26 = resultBox(w, "Label26", kBlue);
    c.Label40 = resultBox(w, "Label40", kBlue);
    c.Label37 = resultBox(w, "Label37");

    c.Label5 = resultBox(w, "Label5");
    c.Label44 = resultBox(w, "Label44");
    c.Label29 = resultBox(w, "Label29");
    c.Label30 = resultBox(w, "Label30");
    c.Label33 = resultBox(w, "Label33");
    c.Label6 = resultBox(w, "Label6");
    c.Label31 = resultBox(w, "Label31");
    c.Label18 = resultBox(w, "Label18");
    c.Label42 = resultBox(w, "Label42");
    c.Label20 = resultBox(w, "Label20");
    c.Label35 = resultBox(w, "Label35");

    // The three boxes that react to a click.
    for (QLabel* clickable : {c.Label22, c.Label23, c.Label5})
        clickable->setCursor(Qt::PointingHandCursor);

    // The boxes' captions leave blanks where these letters sit.
    c.Label22_2 = greekOverlay(w, "Label22_2", QStringLiteral(" τ"));
    c.Label18_2 = greekOverlay(w, "Label18_2", QStringLiteral("δ"));
    c.Label20_2 = greekOverlay(w, "Label20_2", QStringLiteral(" φ"));
    c.Label43_2 = greekOverlay(w, "Label43_2", QStringLiteral("ρ"));
}

// Created after the panels: the graph areas lie over them when shown.
void buildDrawingSurfaces(QWidget* w, Form1Controls& c) {
    c.Picture1 = canvas(w, "Picture1", kSmallPt);
    c.Picture1->setToolTipText(QCoreApplication::translate("Form1Controls", "Анимация движения"));
    c.Shape1 = named(new Shape(c.Picture1), "Shape1");
    c.Shape1->setWidth(10);
    c.Shape1->setHeight(10);
    c.Shape1->setFillColor(kRed);

    c.Picture2 = canvas(w, "Picture2", kSmallPt);
    c.Picture3 = canvas(w, "Picture3", kSmallPt);
    c.Picture2->hide();
    c.Picture3->hide();

    c.Picture4 = canvas(w, "Picture4", 15.75, true);
    c.Picture4->setToolTipText(QCoreApplication::translate("Form1Controls", "счетчик времени"));
    c.Picture14 = canvas(w, "Picture14", 15.75, true);
    c.Picture14->setToolTipText(QCoreApplication::translate("Form1Controls", "Координата"));

    c.Picture15 = canvas(w, "Picture15", kSmallPt);
    c.Picture15->resize(268, 56);
    // The equation of motion, drawn at its design size of 260 x 51.
    const QImage equation = renderPicture(QStringLiteral(":/pictures/equation.svg"), QSize(260, 51));
    if (!equation.isNull()) c.Picture15->setPicture(equation);
}

void buildCounterRow(QWidget* w, Form1Controls& c) {
    c.Label27 = plainLabel(w, "Label27", QStringLiteral("Label27"), serifFont(kTextPt));
    c.Label27->setToolTip(QCoreApplication::translate("Form1Controls", "замедление времени"));
    setColours(c.Label27, kYellow);

    c.Frame1 = named(new QGroupBox(QCoreApplication::translate("Form1Controls", "Графики"), w), "Frame1");
    c.Frame1->setFont(serifFont(kSmallPt));
    setColours(c.Frame1, kGrey);
    // The title sits on the frame's top border, over a gap of the window's grey.
    c.Frame1->setStyleSheet(QStringLiteral(
        "QGroupBox#Frame1 { border: 1px solid #a0a0a0; border-radius: 3px; margin-top: 9px; }"
        "QGroupBox#Frame1::title { subcontrol-origin: margin; left: 7px; padding: 0 2px;"
        " background-color: palette(window); }"));
    c.Option1 = option(c.Frame1, "Option1", QCoreApplication::translate("Form1Controls", "анимация"), 24);
    c.Option2 = option(c.Frame1, "Option2", QCoreApplication::translate("Form1Controls", "координата x(t)"), 42);
    c.Option3 = option(c.Frame1, "Option3", QCoreApplication::translate("Form1Controls", "проекция Vy(t)"), 60);
    c.Option1->setChecked(true);

    c.VScroll1 = scrollBar(w, "VScroll1", Qt::Vertical, 10, 200, 1, 10, 10);
    c.HScroll1 = scrollBar(w, "HScroll1", Qt::Horizontal, 10, 200, 1, 10, 10);
    c.HScroll1->hide();
    c.VScroll2 = scrollBar(w, "VScroll2", Qt::Vertical, 1, 5, 1, 1, 1);
    c.HScroll2 = scrollBar(w, "HScroll2", Qt::Horizontal, 0, 5, 1, 1, 0);

    c.Timer1 = named(new QTimer(w), "Timer1");
    c.Timer1->setInterval(1);
}

void setTabOrder(Form1Controls& c) {
    QWidget* const chain[] = {c.CmdOK, c.Text2, c.Text1, c.Text4, c.Text5, c.Text6,
                              c.Text7, c.Text3, c.Command1, c.Option1, c.Option2,
                              c.Option3, c.VScroll1, c.HScroll1, c.VScroll2, c.HScroll2};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace


void buildForm1Controls(QWidget* client, QMenuBar* menuBar, Form1Controls& c) {
    c.client = client;
    setColours(client, kGrey);

    // The start button comes first, so it is the first stop of the tab order.
    c.CmdOK = button(client, "CmdOK", QCoreApplication::translate("Form1Controls", "ПУСК"), QCoreApplication::translate("Form1Controls", "запуск установки"));
    c.Command1 = button(client, "Command1", QCoreApplication::translate("Form1Controls", "Пересчёт"),
                        QCoreApplication::translate("Form1Controls", "Пересчёт характеристик и установка в мсходное состояние"));

    buildParameterPanel(client, c);
    buildResultPanels(client, c);
    buildDrawingSurfaces(client, c);
    buildCounterRow(client, c);
    setTabOrder(c);
    buildMenu(menuBar, c);
    for (const ControlRow& row : form1ControlTable()) {
        QObject* control = client->findChild<QObject*>(QString::fromLatin1(row.name));
        Q_ASSERT_X(control && qstrcmp(control->metaObject()->className(), row.kind) == 0, "buildForm1Controls", row.name);
        c.byName.insert(QString::fromLatin1(row.name), control);
    }
}

}  // namespace velunta
