#pragma once
// A view for the projector: the whole window's contents enlarged from 100 % to
// 250 %. The layout grid is computed for the client size divided by the scale
// and multiplied back; fonts grow with it; the pictures stay drawn at their
// real pixel size, so lines stay crisp. The menu "Вид" holds the commands; the
// scale is remembered between starts.

#include <QObject>

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
    double scale() const { return scale_; }
    // Sets the scale (one of the steps), refits fonts and layout, recomputes
    // and saves the choice.
    void setScale(double scale);
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

private:
    void applyFonts();

    Form1* form_;
    double scale_ = 1.0;
    QMenu* menu_ = nullptr;
    QAction *enlarge_ = nullptr, *shrink_ = nullptr, *reset_ = nullptr;
};

}  // namespace velunta
