#pragma once
// The menu "Сравнение": keep the current curves for comparison (up to five
// sets stay on the graphs while the inputs change) and forget them.

#include <QList>
#include <QObject>
#include <QString>

#include "model/model.h"

class QAction;
class QLineEdit;
class QMenu;

namespace velunta {

struct KeptCurves;
struct MainMenu;
class PresetMenus;

class ComparisonMenu : public QObject {
    Q_OBJECT
public:
    // Keeps the curves of the model into `kept`; Ctrl+K stays the menu's in the input fields.
    ComparisonMenu(const Model& model, KeptCurves& kept, const PresetMenus& presets, const MainMenu& menu,
                   const QList<QLineEdit*>& fields, QObject* parent);
    QMenu* menu() const { return menu_; }
    QAction* keepAction() const { return keep_; }
    QAction* forgetAction() const { return forget_; }

    void keep();
    void forget();
    // The short name of the current inputs: the chosen ball and medium, and
    // the inputs that differ from theirs or from the start-up values.
    QString currentLabel() const;

signals:
    // The kept curves changed: the graphs are to be drawn again.
    void keptChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Model& model_;
    KeptCurves& kept_;
    const PresetMenus& presets_;
    QMenu* menu_ = nullptr;
    QAction *keep_ = nullptr, *forget_ = nullptr;
};

}  // namespace velunta
