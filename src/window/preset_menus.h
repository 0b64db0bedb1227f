#pragma once
// The menus "Шар" and "Среда": the balls and media of the data file. An entry
// sets its fields as finished edits; the entries whose values stand in the
// fields are checked (so a field edited by hand unchecks them), and those that
// would float with the current ball or medium are disabled, with a tooltip.

#include <QObject>
#include <QList>
#include <vector>

#include "presets/presets.h"
#include "model/input_acceptance.h"
#include "model/model.h"

class QAction;
class QMenu;

namespace velunta {

struct MainMenu;

class PresetMenus : public QObject {
    Q_OBJECT
public:
    // The entries of the menu's "Шар" and "Среда", for the model the window shows.
    PresetMenus(const Model& model, const MainMenu& menu, QObject* parent);

    QMenu* ballMenu() const { return ballMenu_; }
    QMenu* mediumMenu() const { return mediumMenu_; }
    const QList<QAction*>& ballActions() const { return ballActions_; }
    const QList<QAction*>& mediumActions() const { return mediumActions_; }
    QAction* startValuesAction() const { return startValues_; }

    // The chosen ball and medium, or an empty text where the fields hold other values.
    QString chosenBall() const;
    QString chosenMedium() const;

    void chooseBall(int index);
    void chooseMedium(int index);
    void restoreStartValues();
    // The check marks and the disabled entries for the model's inputs.
    void refresh();

signals:
    // An entry was chosen: these inputs go into their fields as finished edits.
    void inputsChosen(const std::vector<InputSetting>& settings);

private:
    const Model& model_;
    QMenu* ballMenu_ = nullptr;
    QMenu* mediumMenu_ = nullptr;
    QList<QAction*> ballActions_, mediumActions_;
    QAction* startValues_ = nullptr;
};

}  // namespace velunta
