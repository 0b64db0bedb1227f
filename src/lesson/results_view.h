#pragma once
// The lesson's results: a table with a row per quantity and a column per model
// (four significant digits and the unit; the full value in the tooltip and in
// the copy), the button that copies it, and the line of the flow regime.

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace velunta {

class Model;

class ResultsView : public QWidget {
    Q_OBJECT
public:
    explicit ResultsView(QWidget* parent = nullptr);

    // Every row for a computed model at the shown time.
    void showResults(const Model& m, double t);
    // Only the rows that change with time.
    void showTime(const Model& m, double t);
    // The inputs and every row with all the digits a double holds, tab-separated.
    QString copyText(const Model& m, double t) const;

    QTableWidget* table() const { return table_; }
    QPushButton* copyButton() const { return copy_; }
    QLabel* regimeLine() const { return regime_; }

signals:
    void copyRequested();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitRows();
    void fillRows(const Model& m, double t, bool timeRowsOnly);

    QTableWidget* table_ = nullptr;
    QPushButton* copy_ = nullptr;
    QLabel* regime_ = nullptr;
};

}  // namespace velunta
