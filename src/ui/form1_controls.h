#pragma once
// Every control of the main window, under the name the program's procedures
// use for it (also set as the Qt objectName, so that tests can find it).
// The controls are created, named and styled by buildForm1Controls; the layout
// grid places them; the window's procedures give them their texts.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "ui/canvas.h"

#include <QHash>
#include <vector>

namespace velunta {

struct LayoutGrid;

// What a control of the main window is for.
enum class ControlRole { command, header, inputCaption, input, unit, result, overlay, picture, counter, viewControl, timer };

// One control of the main window: its name (also its objectName), its Qt class,
// its role and its cell of the layout grid (none: placed inside another control).
struct ControlRow {
    const char* name;
    const char* kind;
    ControlRole role;
    QRectF LayoutGrid::*cell;
};

// Every control of the client area, in the order of creation.
const std::vector<ControlRow>& form1ControlTable();

struct Form1Controls {
    QWidget* client = nullptr;  // the client area that holds every control below

    // Parameter panel: caption labels, input boxes, unit labels.
    QLabel *Label36 = nullptr;  // "Параметры"
    QLabel *Label1 = nullptr, *Label3 = nullptr, *Label7 = nullptr, *Label9 = nullptr,
           *Label11 = nullptr, *Label13 = nullptr, *Label34 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text4 = nullptr, *Text5 = nullptr,
              *Text6 = nullptr, *Text7 = nullptr, *Text3 = nullptr;
    QLabel *Label2 = nullptr, *Label4 = nullptr, *Label8 = nullptr, *Label10 = nullptr,
           *Label12 = nullptr, *Label14 = nullptr;
    QLabel *Label43 = nullptr, *Label43_2 = nullptr;  // ball density and its Greek overlay

    // Headers and legends.
    QLabel *Label32 = nullptr, *Label15 = nullptr, *Label21 = nullptr, *Label28 = nullptr;

    // Result boxes: vacuum, linear drag, linear plus quadratic drag.
    QLabel *Label16 = nullptr, *Label19 = nullptr, *Label17 = nullptr, *Label38 = nullptr;
    QLabel *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr, *Label25 = nullptr,
           *Label26 = nullptr, *Label40 = nullptr, *Label37 = nullptr;
    QLabel *Label5 = nullptr, *Label44 = nullptr, *Label29 = nullptr, *Label30 = nullptr,
           *Label33 = nullptr, *Label6 = nullptr, *Label31 = nullptr, *Label18 = nullptr,
           *Label42 = nullptr, *Label20 = nullptr, *Label35 = nullptr;
    QLabel *Label22_2 = nullptr, *Label18_2 = nullptr, *Label20_2 = nullptr;  // Greek overlays

    QLabel *Label27 = nullptr;  // slow-down value

    // Drawing surfaces.
    Canvas *Picture1 = nullptr, *Picture2 = nullptr, *Picture3 = nullptr;
    Canvas *Picture4 = nullptr, *Picture14 = nullptr, *Picture15 = nullptr;
    Shape *Shape1 = nullptr;  // the ball, inside Picture1

    // View switch.
    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr;

    QScrollBar *VScroll1 = nullptr, *HScroll1 = nullptr, *VScroll2 = nullptr, *HScroll2 = nullptr;
    QPushButton *CmdOK = nullptr, *Command1 = nullptr;
    QTimer *Timer1 = nullptr;

    // Menu.
    QMenu *mnuFile = nullptr, *mnuHelp = nullptr;
    QAction *mnuFilespravka2 = nullptr, *mnuFilespravka = nullptr, *mnuFilesHistory = nullptr,
            *mnuHelpSep1 = nullptr, *mnuFileExit = nullptr;
    QAction *mnuHelpInstruction = nullptr, *mnuHelpUprav = nullptr, *mnuHelpSep2 = nullptr,
            *mnuHelpAvtors = nullptr, *mnuHelpAbout = nullptr, *mnuHelpAbout2 = nullptr;

    // The controls of the table by name, filled by buildForm1Controls.
    QHash<QString, QObject*> byName;
    // Finds a control of the table by its name (nullptr if there is none).
    QObject* find(const QString& name) const { return byName.value(name); }
    QWidget* widget(const QString& name) const { return qobject_cast<QWidget*>(find(name)); }
    QLabel* label(const QString& name) const { return qobject_cast<QLabel*>(find(name)); }
};

// Creates every control of the main window on `client` (the client area) and
// the menu in `menuBar`, with names, captions, hints, colours and fonts.
void buildForm1Controls(QWidget* client, QMenuBar* menuBar, Form1Controls& c);

}  // namespace velunta
