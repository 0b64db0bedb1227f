#pragma once
// The lesson view: a resizable window beside the classic one, on the classic
// window's model, inputs, presets and kept curves. Everything is placed by Qt
// layouts and splitters, from a netbook's 1024 x 600 to a 4K projector: the
// inputs, the three balls racing, the graphs large, the results table and the
// flow regime, and the time bar under them all.

#include <QMainWindow>

class QAction;
class QComboBox;
class QScrollArea;
class QSplitter;

namespace velunta {

class Form1;
class GraphPanel;
class InputPanel;
class Playback;
class RaceScene;
class ResultsView;
class TimeBar;

class LessonWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr QSize kSmallestScreen{1024, 600};

    explicit LessonWindow(Form1& form);
    Form1& form() const { return form_; }

    InputPanel* inputs() const { return inputs_; }
    GraphPanel* graphs() const { return graphs_; }
    ResultsView* results() const { return results_; }
    RaceScene* scene() const { return scene_; }
    Playback* playback() const { return playback_; }
    TimeBar* timeBar() const { return timeBar_; }
    QComboBox* textSizeBox() const { return textSize_; }

    double time() const;
    // The projector's text size, one of the classic view's steps (1 is 100 %).
    double textScale() const { return textScale_; }
    void setTextScale(double scale);

    // What the view shows, at its device pixels.
    QImage viewPicture() const;
    // A PNG or, by the name, an SVG of the view; says why it failed.
    bool savePictureFile(const QString& path, QString& error) const;
    void copyResults() const;

    QAction* classicViewAction() const { return classic_; }

signals:
    // "Вид" / "Классический вид": the classic window is to take this one's place.
    void classicViewRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void setTabChain();
    bool timeKey(QObject* watched, QEvent* event);
    // After every recompute of the model, while shown.
    void refresh();
    void showTime(double t);
    void stepTextScale(int direction);
    void savePicture();

    Form1& form_;
    InputPanel* inputs_ = nullptr;
    GraphPanel* graphs_ = nullptr;
    ResultsView* results_ = nullptr;
    RaceScene* scene_ = nullptr;
    Playback* playback_ = nullptr;
    TimeBar* timeBar_ = nullptr;
    QComboBox* textSize_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QSplitter* right_ = nullptr;
    QScrollArea* inputsScroll_ = nullptr;  // the graphs over the results
    bool sized_ = false;
    QAction* classic_ = nullptr;
    QAction *enlarge_ = nullptr, *shrink_ = nullptr, *resetScale_ = nullptr;
    double textScale_ = 1;
};

}  // namespace velunta
