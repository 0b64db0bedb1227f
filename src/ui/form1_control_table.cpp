// The one table of the main window's controls: name, Qt class, role and cell of
// the layout grid. The inventory check, the layout and the lookups by name are
// made from it.

#include "ui/form1_controls.h"
#include "ui/layout_grid.h"

namespace velunta {

namespace {
using R = ControlRole;
using G = LayoutGrid;
}  // namespace

const std::vector<ControlRow>& form1ControlTable() {
    // In the order of creation: a control made later lies on top of those before it.
    static const std::vector<ControlRow> table{
        {"CmdOK", "QPushButton", R::command, &G::CmdOK},
        {"Command1", "QPushButton", R::command, &G::Command1},
        {"Label36", "QLabel", R::header, &G::Label36},
        {"Label1", "QLabel", R::inputCaption, &G::Label1},
        {"Label3", "QLabel", R::inputCaption, &G::Label3},
        {"Label7", "QLabel", R::inputCaption, &G::Label7},
        {"Label9", "QLabel", R::inputCaption, &G::Label9},
        {"Label11", "QLabel", R::inputCaption, &G::Label11},
        {"Label13", "QLabel", R::inputCaption, &G::Label13},
        {"Label34", "QLabel", R::inputCaption, &G::Label34},
        {"Text1", "QLineEdit", R::input, &G::Text1},
        {"Text2", "QLineEdit", R::input, &G::Text2},
        {"Text4", "QLineEdit", R::input, &G::Text4},
        {"Text5", "QLineEdit", R::input, &G::Text5},
        {"Text6", "QLineEdit", R::input, &G::Text6},
        {"Text7", "QLineEdit", R::input, &G::Text7},
        {"Text3", "QLineEdit", R::input, &G::Text3},
        {"Label2", "QLabel", R::unit, &G::Label2},
        {"Label4", "QLabel", R::unit, &G::Label4},
        {"Label8", "QLabel", R::unit, &G::Label8},
        {"Label10", "QLabel", R::unit, &G::Label10},
        {"Label12", "QLabel", R::unit, &G::Label12},
        {"Label14", "QLabel", R::unit, &G::Label14},
        {"Label32", "QLabel", R::header, &G::Label32},
        {"Label15", "QLabel", R::header, &G::Label15},
        {"Label21", "QLabel", R::header, &G::Label21},
        {"Label28", "QLabel", R::header, &G::Label28},
        {"Label43", "QLabel", R::result, &G::Label43},
        {"Label16", "QLabel", R::result, &G::Label16},
        {"Label19", "QLabel", R::result, &G::Label19},
        {"Label17", "QLabel", R::result, &G::Label17},
        {"Label38", "QLabel", R::result, &G::Label38},
        {"Label22", "QLabel", R::result, &G::Label22},
        {"Label23", "QLabel", R::result, &G::Label23},
        {"Label24", "QLabel", R::result, &G::Label24},
        {"Label25", "QLabel", R::result, &G::Label25},
        {"Label26", "QLabel", R::result, &G::Label26},
        {"Label40", "QLabel", R::result, &G::Label40},
        {"Label37", "QLabel", R::result, &G::Label37},
        {"Label5", "QLabel", R::result, &G::Label5},
        {"Label44", "QLabel", R::result, &G::Label44},
        {"Label29", "QLabel", R::result, &G::Label29},
        {"Label30", "QLabel", R::result, &G::Label30},
        {"Label33", "QLabel", R::result, &G::Label33},
        {"Label6", "QLabel", R::result, &G::Label6},
        {"Label31", "QLabel", R::result, &G::Label31},
        {"Label18", "QLabel", R::result, &G::Label18},
        {"Label42", "QLabel", R::result, &G::Label42},
        {"Label20", "QLabel", R::result, &G::Label20},
        {"Label35", "QLabel", R::result, &G::Label35},
        {"Label22_2", "QLabel", R::overlay, &G::Label22_2},
        {"Label18_2", "QLabel", R::overlay, &G::Label18_2},
        {"Label20_2", "QLabel", R::overlay, &G::Label20_2},
        {"Label43_2", "QLabel", R::overlay, &G::Label43_2},
        {"Picture1", "velunta::Canvas", R::picture, &G::Picture1},
        {"Shape1", "velunta::Shape", R::picture, nullptr},
        {"Picture2", "velunta::Canvas", R::picture, &G::Picture2},
        {"Picture3", "velunta::Canvas", R::picture, &G::Picture3},
        {"Picture4", "velunta::Canvas", R::counter, &G::Picture4},
        {"Picture14", "velunta::Canvas", R::counter, &G::Picture14},
        {"Picture15", "velunta::Canvas", R::picture, &G::Picture15},
        {"Label27", "QLabel", R::viewControl, &G::Label27},
        {"Frame1", "QGroupBox", R::viewControl, &G::Frame1},
        {"Option1", "QRadioButton", R::viewControl, nullptr},
        {"Option2", "QRadioButton", R::viewControl, nullptr},
        {"Option3", "QRadioButton", R::viewControl, nullptr},
        {"VScroll1", "QScrollBar", R::viewControl, &G::VScroll1},
        {"HScroll1", "QScrollBar", R::viewControl, &G::HScroll1},
        {"VScroll2", "QScrollBar", R::viewControl, &G::VScroll2},
        {"HScroll2", "QScrollBar", R::viewControl, &G::HScroll2},
        {"Timer1", "QTimer", R::timer, nullptr},
    };
    return table;
}

}  // namespace velunta
