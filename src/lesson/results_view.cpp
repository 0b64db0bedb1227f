#include "lesson/results_view.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "export/results_table.h"
#include "lesson/result_rows.h"
#include "lesson/significant.h"
#include "model/flow_regime.h"
#include "plot/model_styles.h"

namespace velunta {

namespace {

QString full(double v) { return QString::number(v, 'g', 17); }

QString quantityName(const ResultQuantity& q) {
    return QStringLiteral("%1, %2").arg(shownModelText(q.meaning), QString::fromUtf8(q.symbol));
}

}  // namespace

ResultsView::ResultsView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lessonResults"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    const auto& rows = resultQuantities();
    table_ = new QTableWidget(int(rows.size()), 3, this);
    table_->setObjectName(QStringLiteral("lessonResultsTable"));
    table_->setAccessibleName(QCoreApplication::translate("ResultsView", "Таблица результатов трёх моделей"));
    table_->setToolTip(QCoreApplication::translate("ResultsView", "Строка на величину, столбец на модель; наведите на число, чтобы увидеть все его цифры"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    for (int k = 0; k < 3; ++k) {
        const ModelStyle& s = kModelStyles[std::size_t(k)];
        auto* header = new QTableWidgetItem(QStringLiteral("%1: %2").arg(styleLetter(s), styleName(s)));
        header->setForeground(toQColor(s.colour));
        header->setToolTip(QCoreApplication::translate("ResultsView", "Модель «%1», буква %2").arg(styleName(s), styleLetter(s)));
        table_->setHorizontalHeaderItem(k, header);
    }
    for (int r = 0; r < int(rows.size()); ++r) {
        auto* header = new QTableWidgetItem(quantityName(rows[std::size_t(r)]));
        header->setToolTip(header->text());  // whole where a narrow window cuts the name
        table_->setVerticalHeaderItem(r, header);
        for (int k = 0; k < 3; ++k) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, k, cell);
        }
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Rows as high as the font: measured once per text size, not on every change of a number.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitRows();
    column->addWidget(table_, 1);

    auto* line = new QHBoxLayout;
    // The regime's line runs under everything, as wide as the window: the window places it.
    regime_ = new QLabel(this);
    regime_->setObjectName(QStringLiteral("lessonRegime"));
    regime_->setWordWrap(true);
    regime_->setAccessibleName(QCoreApplication::translate("ResultsView", "Режим обтекания"));
    line->addStretch(1);
    copy_ = new QPushButton(QCoreApplication::translate("ResultsView", "Копировать"), this);
    copy_->setObjectName(QStringLiteral("lessonCopyResults"));
    copy_->setToolTip(QCoreApplication::translate("ResultsView", "Начальные данные и таблица со всеми цифрами — в буфер обмена, для электронной таблицы"));
    copy_->setAccessibleName(QCoreApplication::translate("ResultsView", "Копировать результаты"));
    line->addWidget(copy_);
    column->addLayout(line);
    connect(copy_, &QPushButton::clicked, this, &ResultsView::copyRequested);
}

void ResultsView::fitRows() {
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(table_->font()).height() + 6);
}

// The names give way to the numbers in a narrow window: a name is cut ("…")
// before a number is.
void ResultsView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    table_->verticalHeader()->setMaximumWidth(std::max(80, table_->width() * 2 / 5));
}

void ResultsView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) fitRows();
    QWidget::changeEvent(event);
}

void ResultsView::fillRows(const Model& m, double t, bool timeRowsOnly) {
    const auto& rows = resultQuantities();
    for (int r = 0; r < int(rows.size()); ++r) {
        const ResultQuantity& q = rows[std::size_t(r)];
        if (timeRowsOnly && !q.changesWithTime) continue;
        const QString unit = shownUnit(QString::fromUtf8(q.unit));
        for (int k = 0; k < 3; ++k) {
            const std::optional<double> v = q.value(m, kModelStyles[std::size_t(k)].model, t);
            QTableWidgetItem* cell = table_->item(r, k);
            const QString text = v ? significant(*v) + (unit.isEmpty() ? QString() : QStringLiteral(" ") + unit)
                                   : QStringLiteral("—");
            if (cell->text() != text) cell->setText(text);
            cell->setToolTip(v ? QStringLiteral("%1 = %2 %3").arg(QString::fromUtf8(q.symbol), full(*v), unit).trimmed()
                               : QCoreApplication::translate("ResultsView", "В этой модели нет такой величины или она не имеет смысла"));
        }
    }
    if (timeRowsOnly) return;
    QString header = QCoreApplication::translate("ResultsView", "в момент t = %1 с").arg(significant(t));
    for (int r = 0; r < int(rows.size()); ++r)
        if (rows[std::size_t(r)].changesWithTime) table_->verticalHeaderItem(r)->setToolTip(header);
}

void ResultsView::showResults(const Model& m, double t) {
    fillRows(m, t, false);
    const FlowRegime f = flowRegime(m);
    regime_->setText(shownPhrase(f.summaryPhrase));
    regime_->setToolTip(shownPhrase(f.verdictPhrase));
}

void ResultsView::showTime(const Model& m, double t) { fillRows(m, t, true); }

QString ResultsView::copyText(const Model& m, double t) const {
    QStringList lines{QCoreApplication::translate("ResultsView", "Параметры")};
    for (const InputRow& row : inputRows(m)) lines << row.symbol + '\t' + row.value + '\t' + row.unit + '\t' + row.meaning;
    lines << QString() << QCoreApplication::translate("ResultsView", "Величина\tОбозначение\tЕдиница\t%1\t%2\t%3")
                              .arg(styleName(kModelStyles[0]), styleName(kModelStyles[1]), styleName(kModelStyles[2]));
    for (const ResultQuantity& q : resultQuantities()) {
        QStringList cells{shownModelText(q.meaning), QString::fromUtf8(q.symbol), shownUnit(QString::fromUtf8(q.unit))};
        for (const ModelStyle& s : kModelStyles) {
            const std::optional<double> v = q.value(m, s.model, t);
            cells << (v ? full(*v) : QString());
        }
        lines << cells.join('\t');
    }
    lines << QCoreApplication::translate("ResultsView", "t\t%1\tс").arg(full(t));
    return lines.join('\n') + '\n';
}

}  // namespace velunta
