#pragma once
// A view for the projector: the whole window's contents enlarged from 100 % to
// 250 %. The layout grid is computed for the client size divided by the scale
// and multiplied back; fonts (the dialogs' too), captions and the explanatory
// pictures grow with it; the drawings stay drawn at their real pixel size, so
// lines stay crisp. A window of its own size grows to its 100 % size times the
// step; a step whose design area does not fit the screen's free area is not
// shown (the largest one that fits is), so no control ever leaves the screen.
// The menu "Вид" holds the commands; the step shown is remembered between starts.

#include <QObject>
#include <QSize>

class QAction;
class QMenu;

namespace velunta {

class Form1;
struct MainMenu;

class ViewScale : public QObject {
    Q_OBJECT
public:
    static constexpr double kSteps[] = {1.0, 1.25, 1.5, 1.75, 2.0, 2.25, 2.5};

    // The scale of the window's contents, with the commands of the menu "Вид".
    ViewScale(Form1* form, const MainMenu& menu);
    ~ViewScale() override;
    double scale() const { return scale_; }
    // Sets the scale (the largest step up to `scale` that fits the window's
    // screen), refits fonts and layout, recomputes and saves the step shown.
    void setScale(double scale);
    // The largest step up to `scale` whose design client area, with the bars
    // and the frame grown alike, fits the free area of the window's screen.
    double fittingStep(double scale) const;
    void enlarge();
    void shrink();
    void reset() { setScale(1.0); }
    // The scale saved by the last start, applied (the program calls it at start-up).
    void restore();

    // Places the controls for the current client size and scale.
    void layout();

    QMenu* menu() const { return menu_; }
    QAction* enlargeAction() const { return enlarge_; }
    QAction* shrinkAction() const { return shrink_; }
    QAction* resetAction() const { return reset_; }

signals:
    // The scale changed: the window is to be laid out and drawn again.
    void scaleChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFonts();
    void updateActions();
    // The step kept, or lowered when the screen became too small for it.
    void refit();
    // The client size the window has at this step: its 100 % size times the step,
    // as far as the screen allows; the window moved to lie wholly on the screen.
    void resizeWindow(double old);
    QSize freeClientArea(double scale) const;

    Form1* form_;
    double scale_ = 1.0;
    double restored_ = 0;  // the step to take when first shown (0: none)
    QSize baseClient_;    // the client size at 100 %, what Ctrl+0 gives back
    QSize shownClient_;   // the client size this class last gave the window
    int baseMenuHeight_ = 0;
    QMenu* menu_ = nullptr;
    QAction *enlarge_ = nullptr, *shrink_ = nullptr, *reset_ = nullptr;
};

}  // namespace velunta
