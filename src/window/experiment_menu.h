#pragma once
// A measured fall in the window: read from a file or pasted from a spreadsheet,
// or one of the published sets of the menu "Опыт"; its points on the graphs, how
// far each model is from them (a small panel and the status line), and the fit
// of c and eta, applied to the fields as finished edits. A table that cannot be
// read leaves everything as it was, with the reader's message.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "export/lesson_file.h"
#include "model/drag_fit.h"
#include "model/input_acceptance.h"
#include "model/measured_data.h"
#include "model/model.h"
#include "model/model_comparison.h"

class QLabel;
class QWidget;

namespace velunta {

class Dialogs;
struct MainMenu;

class ExperimentMenu : public QObject {
    Q_OBJECT
public:
    // `apply` puts inputs into the fields the one way the window takes them (Form1::applyInputs).
    using ApplyInputs = std::function<std::vector<FieldRefusal>(const std::vector<InputSetting>&)>;
    ExperimentMenu(const Model& model, const MainMenu& menu, Dialogs& dialogs, ApplyInputs apply, QWidget* window);

    const MeasuredData& data() const { return *data_; }
    // What the graphs draw: null without points.
    const MeasuredData* shown() const { return data_->empty() ? nullptr : data_.get(); }
    // The points as an undo step keeps them (null without points), and the last fit applied.
    std::shared_ptr<const MeasuredData> sharedData() const { return data_->empty() ? nullptr : data_; }
    const std::optional<LessonFit>& lastFit() const { return fit_; }
    // Points and fit as an undo step or a lesson file had them; the caller recomputes.
    void restore(std::shared_ptr<const MeasuredData> data, std::optional<LessonFit> fit);
    // The points as compared with the models (the alignment applied).
    std::vector<MeasuredPoint> comparedPoints() const;
    // The models against the points, as of the last recompute (no rms without points).
    const ModelComparison& comparison() const { return comparison_; }

    // A table's bytes: the points replace those shown, or the reader's message is
    // shown and nothing changes. `name` is the file's or "буфер обмена".
    bool load(const QByteArray& bytes, const QString& name);
    void openFile();
    void paste();
    // A published set: its inputs and its points together, one recompute.
    void chooseSet(int index);
    void setAlignment(DataAlignment alignment);
    void forget();

    // The fit on the points as compared, from the inputs in the fields.
    DragFit fit(FitChoice choice) const;
    // The fitted c and eta into their fields (a refused value is refused with its
    // message), a fitted time shift into the points; false when nothing was applied.
    bool applyFit(const DragFit& fit);
    void showFitDialog();

    // The panel and the status line's text for the model's current inputs (after every recompute).
    void refresh();
    QLabel* panel() const { return panel_; }
    QString statusText() const { return status_; }

signals:
    // The points or their alignment changed: the graphs are drawn again.
    void dataChanged();
    // A change is finished (data opened, a set chosen, a fit applied): one undo step, so named.
    void stepDone(const QString& name);

private:
    void setData(std::shared_ptr<const MeasuredData> data);
    void setData(MeasuredData data) { setData(std::make_shared<const MeasuredData>(std::move(data))); }

    const Model& model_;
    const MainMenu& menu_;
    Dialogs& dialogs_;
    ApplyInputs apply_;
    QWidget* window_;
    std::shared_ptr<const MeasuredData> data_ = std::make_shared<const MeasuredData>();
    std::optional<LessonFit> fit_;  // cleared with the points it was found on
    ModelComparison comparison_;
    QLabel* panel_ = nullptr;
    QString status_;
};

// The panel's lines: the data (points, alignment), each model's rms, the verdict,
// and the last fit applied.
QString experimentSummary(const MeasuredData& data, const ModelComparison& comparison,
                          const std::optional<LessonFit>& fit = std::nullopt);

}  // namespace velunta
