#include "window/preset_menus.h"

#include <QCoreApplication>
#include <QAction>

#include "window/main_menu.h"
#include "model/ball_density.h"
#include "model/format.h"

namespace velunta {

namespace {

QString densityText(double density) { return QString::number(density, 'f', density < 10 ? 3 : 0); }

}  // namespace

PresetMenus::PresetMenus(const Model& model, const MainMenu& menu, QObject* parent)
    : QObject(parent), model_(model), ballMenu_(menu.ballMenu), mediumMenu_(menu.mediumMenu),
      ballActions_(menu.balls), mediumActions_(menu.media), startValues_(menu.startValues) {}

void PresetMenus::chooseBall(int index) {
    const BallPreset& b = builtInPresets().balls.at(index);
    emit inputsChosen({{InputField::d, b.d}, {InputField::massa, b.massa}, {InputField::c, b.c}});
    refresh();  // a refused choice still needs its check mark taken back
}

void PresetMenus::chooseMedium(int index) {
    const MediumPreset& s = builtInPresets().media.at(index);
    emit inputsChosen({{InputField::r0, s.r0}, {InputField::eta, s.eta}});
    refresh();
}

void PresetMenus::restoreStartValues() {
    const InputValues start;
    emit inputsChosen({{InputField::h, start.h}, {InputField::V0y, start.V0y}, {InputField::d, start.d},
                        {InputField::massa, start.massa}, {InputField::r0, start.r0},
                        {InputField::eta, start.eta}, {InputField::c, start.c}});
    refresh();
}

QString PresetMenus::chosenBall() const {
    for (QAction* a : ballActions_)
        if (a->isChecked()) return a->text();
    return {};
}

QString PresetMenus::chosenMedium() const {
    for (QAction* a : mediumActions_)
        if (a->isChecked()) return a->text();
    return {};
}

void PresetMenus::refresh() {
    const Model& m = model_;
    const Presets& presets = builtInPresets();
    const double ballDensity = velunta::ballDensity(m.d, m.massa);
    for (int i = 0; i < ballActions_.size(); ++i) {
        const BallPreset& b = presets.balls[i];
        ballActions_[i]->setChecked(m.d == b.d && m.massa == b.massa && m.c == b.c);
        const bool afloat = floats(b.density(), m.r0);
        ballActions_[i]->setEnabled(!afloat);
        ballActions_[i]->setToolTip(
            afloat ? QCoreApplication::translate("PresetMenus", "Всплывает: плотность шара %1 кг/м3 не больше плотности среды %2 кг/м3. "
                                    "Всплывание не моделируется.")
                         .arg(densityText(b.density()), densityText(m.r0))
                   : QCoreApplication::translate("PresetMenus", "d = %1 м, m = %2 кг, c = %3")
                         .arg(QString::number(b.d, 'f', 6), QString::number(b.massa, 'f', 6),
                              QString::number(b.c, 'f', 3)));
    }
    for (int i = 0; i < mediumActions_.size(); ++i) {
        const MediumPreset& s = presets.media[i];
        mediumActions_[i]->setChecked(m.r0 == s.r0 && m.eta == s.eta);
        const bool afloat = floats(ballDensity, s.r0);
        mediumActions_[i]->setEnabled(!afloat);
        mediumActions_[i]->setToolTip(
            afloat ? QCoreApplication::translate("PresetMenus", "Шар всплывёт: плотность среды %1 кг/м3 не меньше плотности шара %2 кг/м3. "
                                    "Всплывание не моделируется.")
                         .arg(densityText(s.r0), densityText(ballDensity))
                   : QCoreApplication::translate("PresetMenus", "ρο = %1 кг/м3, η = %2 Па с")
                         .arg(QString::number(s.r0, 'f', 3), QString::number(s.eta, 'f', 7)));
    }
}

}  // namespace velunta
