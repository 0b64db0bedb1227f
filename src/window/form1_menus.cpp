// Every menu of the window and every command in it: made first, then connected
// here, each command after the finishing of the pending edits, so that every
// command, whenever its menu was added, acts on the finished inputs.

#include <QLineEdit>
#include <QMenuBar>

#include "window/comparison_menu.h"
#include "window/experiment_menu.h"
#include "window/form1.h"
#include "window/language.h"
#include "window/main_menu.h"
#include "window/preset_menus.h"
#include "window/view_scale.h"

namespace velunta {

void Form1::createMenus() {
    menu_ = std::make_unique<MainMenu>(menuBar(), c_);
    presetMenus_ = new PresetMenus(m_, *menu_, this);
    comparisonMenu_ = new ComparisonMenu(m_, *kept_, *presetMenus_, *menu_, findChildren<QLineEdit*>(), this);
    experiment_ = new ExperimentMenu(m_, *menu_, *services_.dialogs,
                                     [this](const std::vector<InputSetting>& settings) { return applyInputs(settings); }, this);
    viewScale_ = new ViewScale(this, *menu_);
    // The window's own shortcuts, whichever control has the focus.
    addActions(menu_->windowShortcuts());
}

void Form1::connectMenuCommands() {
    // First of all, on every command of every menu.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && !action->menu())
                connect(action, &QAction::triggered, this, &Form1::finishPendingEdits);

    auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };
    on(c_.mnuFilespravka2, &Form1::mnuFilespravka2_Click);
    on(c_.mnuFilespravka, &Form1::mnuFilespravka_Click);
    on(c_.mnuFilesHistory, &Form1::mnuFilesHistory_Click);
    on(menu_->saveTable, &Form1::mnuFileSaveTable_Click);
    on(menu_->savePicture, &Form1::mnuFileSavePicture_Click);
    on(menu_->print, &Form1::mnuFilePrint_Click);
    on(menu_->copyResults, &Form1::copyResults);
    on(menu_->copyPicture, &Form1::copyPicture);
    on(c_.mnuFileExit, &Form1::mnuFileExit_Click);
    on(c_.mnuHelpInstruction, &Form1::mnuHelpInstruction_Click);
    on(c_.mnuHelpUprav, &Form1::mnuHelpUprav_Click);
    on(c_.mnuHelpAvtors, &Form1::mnuHelpAvtors_Click);
    on(c_.mnuHelpAbout, &Form1::mnuHelpAbout_Click);
    on(c_.mnuHelpAbout2, &Form1::mnuHelpAbout2_Click);

    PresetMenus* presets = presetMenus_;
    for (int i = 0; i < menu_->balls.size(); ++i)
        connect(menu_->balls[i], &QAction::triggered, presets, [presets, i] { presets->chooseBall(i); });
    for (int i = 0; i < menu_->media.size(); ++i)
        connect(menu_->media[i], &QAction::triggered, presets, [presets, i] { presets->chooseMedium(i); });
    connect(menu_->startValues, &QAction::triggered, presets, &PresetMenus::restoreStartValues);
    connect(presets, &PresetMenus::inputsChosen, this, [this](const std::vector<InputSetting>& settings) {
        applyInputs(settings);
    });
    connect(this, &Form1::recomputed, presets, &PresetMenus::refresh);

    connect(menu_->keepCurves, &QAction::triggered, comparisonMenu_, &ComparisonMenu::keep);
    connect(menu_->forgetCurves, &QAction::triggered, comparisonMenu_, &ComparisonMenu::forget);
    connect(comparisonMenu_, &ComparisonMenu::keptChanged, this, &Form1::Form_Resize);

    ExperimentMenu* experiment = experiment_;
    connect(menu_->openData, &QAction::triggered, experiment, &ExperimentMenu::openFile);
    connect(menu_->pasteData, &QAction::triggered, experiment, &ExperimentMenu::paste);
    for (int i = 0; i < menu_->experiments.size(); ++i)
        connect(menu_->experiments[i], &QAction::triggered, experiment, [experiment, i] { experiment->chooseSet(i); });
    connect(menu_->fitData, &QAction::triggered, experiment, &ExperimentMenu::showFitDialog);
    connect(menu_->alignToLaunch, &QAction::triggered, experiment, [experiment](bool on) {
        experiment->setAlignment(on ? DataAlignment::firstPointAtLaunch : DataAlignment::asMeasured);
    });
    connect(menu_->forgetData, &QAction::triggered, experiment, &ExperimentMenu::forget);
    connect(experiment, &ExperimentMenu::dataChanged, this, &Form1::Form_Resize);

    connect(menu_->enlarge, &QAction::triggered, viewScale_, &ViewScale::enlarge);
    connect(menu_->shrink, &QAction::triggered, viewScale_, &ViewScale::shrink);
    connect(menu_->resetScale, &QAction::triggered, viewScale_, &ViewScale::reset);
    connect(viewScale_, &ViewScale::scaleChanged, this, &Form1::Form_Resize);
    menu_->fullModelCurve->setChecked(showFullModelCurve_);
    connect(menu_->fullModelCurve, &QAction::toggled, this, &Form1::setShowFullModelCurve);
    connect(menu_->lessonView, &QAction::triggered, this, &Form1::lessonViewRequested);
    for (QAction* a : menu_->languages) {
        const Language language{a->data().toString()};
        a->setChecked(language == currentLanguage());
        connect(a, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
    }
}

// Every window is built in one language, so the choice takes effect at the next
// start; the note is in the newly chosen language, which its reader asked for.
void Form1::chooseLanguage(const Language& language) {
    setChosenLanguage(language);
    if (language == currentLanguage()) return;
    services_.dialogs->MsgBox(
        translatedInto(language, "Form1", QT_TRANSLATE_NOOP("Form1", "Язык программы сменится при следующем запуске.")),
        vbOKOnly, translatedInto(language, "Form1", QT_TRANSLATE_NOOP("Form1", "Язык")));
}

}  // namespace velunta
