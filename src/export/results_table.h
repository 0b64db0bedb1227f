#pragma once
// The inputs and the results of the three models as the window shows them, in
// rows and columns for the clipboard, the worksheet and the table.

#include <QString>
#include <QStringList>
#include <vector>

#include "model/model.h"

namespace velunta {

struct InputRow {
    QString symbol;   // as on the parameter panel: "h", "V0y", ...
    QString meaning;  // in plain words
    QString value;    // as the input field shows it
    QString unit;
};

// The seven inputs in the order of the parameter panel, and the ball's density.
std::vector<InputRow> inputRows(const Model& m);

struct ResultColumns {
    QStringList headers;              // vacuum, linear drag, linear plus quadratic drag
    std::vector<QStringList> columns; // the captions of each panel, top to bottom
    int rowCount() const;
};

// The result captions of the three panels (after the pipeline has run), with
// the Greek letters the window lays over them written into the text.
ResultColumns resultColumns(const Model& m);

// One quantity of the results: its value in each model as the window shows it,
// split into the number and the unit (both empty where the model has none).
struct ResultRow {
    QString meaning;
    QString symbol;       // the vacuum model's name of it where there is one
    QString values[3];    // vacuum, linear drag, linear plus quadratic drag
    QString units[3];
};

// The quantities of the three panels, one row each, the shared ones first.
std::vector<ResultRow> resultRows(const Model& m);

// Inputs, then the results, tab-separated, one row per line: a row per quantity,
// a column per model with the number and its unit in cells of their own, so that
// it pastes into a spreadsheet as a table of numbers.
QString resultsClipboardText(const Model& m);

}  // namespace velunta
