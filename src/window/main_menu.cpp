#include "window/main_menu.h"

#include <QCoreApplication>
#include <QActionGroup>
#include <QMenuBar>

#include "presets/experiments.h"
#include "presets/presets.h"
#include "ui/form1_controls.h"
#include "window/language.h"

namespace velunta {

namespace {

QMenu* menu(QMenuBar* bar, QAction* before, const QString& title, const char* name) {
    auto* m = new QMenu(title, bar);
    m->setObjectName(QString::fromLatin1(name));
    bar->insertMenu(before, m);
    return m;
}

QAction* command(QMenu* m, const QString& caption, const char* name, const QList<QKeySequence>& keys = {},
                 QAction* before = nullptr) {
    auto* a = new QAction(caption, m);
    if (name) a->setObjectName(QString::fromLatin1(name));
    a->setShortcuts(keys);
    m->insertAction(before, a);
    return a;
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar, const Form1Controls& c) {
    QMenu* file = c.mnuFile;
    QAction* first = file->actions().value(0);
    openLesson = command(file, QCoreApplication::translate("MainMenu", "Открыть урок…"), "mnuFileOpenLesson", {QKeySequence::Open}, first);
    saveLesson = command(file, QCoreApplication::translate("MainMenu", "Сохранить урок"), "mnuFileSaveLesson", {QKeySequence::Save}, first);
    saveLessonAs = command(file, QCoreApplication::translate("MainMenu", "Сохранить урок как…"), "mnuFileSaveLessonAs",
                           {QKeySequence(QStringLiteral("Ctrl+Shift+S"))}, first);
    recentLessons = new QMenu(QCoreApplication::translate("MainMenu", "Последние уроки"), file);
    recentLessons->setObjectName(QStringLiteral("mnuFileRecentLessons"));
    file->insertMenu(first, recentLessons);
    lessonNotes = command(file, QCoreApplication::translate("MainMenu", "Заметки к уроку…"), "mnuFileLessonNotes", {}, first);
    file->insertSeparator(first);
    QAction* exit = c.mnuHelpSep1;
    file->insertSeparator(exit);
    openData = command(file, QCoreApplication::translate("MainMenu", "Открыть данные опыта…"), "mnuFileOpenData",
                       {QKeySequence(QStringLiteral("Ctrl+Shift+O"))}, exit);
    pasteData = command(file, QCoreApplication::translate("MainMenu", "Вставить данные опыта"), "mnuFilePasteData", {QKeySequence::Paste}, exit);
    file->insertSeparator(exit);
    saveTable = command(file, QCoreApplication::translate("MainMenu", "Сохранить таблицу…"), "mnuFileSaveTable", {}, exit);
    savePicture = command(file, QCoreApplication::translate("MainMenu", "Сохранить рисунок…"), "mnuFileSavePicture", {}, exit);
    print = command(file, QCoreApplication::translate("MainMenu", "Печать…"), "mnuFilePrint", {QKeySequence::Print}, exit);
    copyResults = command(file, QCoreApplication::translate("MainMenu", "Копировать результаты"), "mnuFileCopyResults",
                          {QKeySequence(QStringLiteral("Ctrl+Shift+C"))}, exit);
    // Ctrl+C: a text field with the focus copies its own selection first.
    copyPicture = command(file, QCoreApplication::translate("MainMenu", "Копировать рисунок"), "mnuFileCopyPicture", {QKeySequence::Copy}, exit);

    QAction* help = c.mnuHelp->menuAction();
    editMenu = menu(bar, bar->actions().value(1), QCoreApplication::translate("MainMenu", "&Правка"), "mnuEdit");
    undo = command(editMenu, QCoreApplication::translate("MainMenu", "Отменить"), "mnuEditUndo", {QKeySequence::Undo});
    redo = command(editMenu, QCoreApplication::translate("MainMenu", "Повторить"), "mnuEditRedo",
                   {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    const Presets& presets = builtInPresets();
    ballMenu = menu(bar, help, QCoreApplication::translate("MainMenu", "&Шар"), "mnuBall");
    for (const BallPreset& b : presets.balls) balls << command(ballMenu, shownPresetName(b.name), nullptr);
    ballMenu->addSeparator();
    startValues = command(ballMenu, QCoreApplication::translate("MainMenu", "Начальные значения"), "mnuStartValues");
    mediumMenu = menu(bar, help, QCoreApplication::translate("MainMenu", "С&реда"), "mnuMedium");
    for (const MediumPreset& s : presets.media) media << command(mediumMenu, shownPresetName(s.name), nullptr);
    for (QAction* a : balls + media) a->setCheckable(true);
    ballMenu->setToolTipsVisible(true);
    mediumMenu->setToolTipsVisible(true);

    experimentMenu = menu(bar, help, QCoreApplication::translate("MainMenu", "&Опыт"), "mnuExperiment");
    for (const ExperimentSet& set : experimentSets()) {
        experiments << command(experimentMenu, shownPresetName(set.name), nullptr);
        experiments.back()->setCheckable(true);
        experiments.back()->setToolTip(set.source);
    }
    experimentMenu->setToolTipsVisible(true);
    experimentMenu->addSeparator();
    fitData = command(experimentMenu, QCoreApplication::translate("MainMenu", "Подобрать по данным…"), "mnuFitData");
    alignToLaunch = command(experimentMenu, QCoreApplication::translate("MainMenu", "Первая точка — бросок из (0, h)"), "mnuAlignToLaunch");
    alignToLaunch->setCheckable(true);
    forgetData = command(experimentMenu, QCoreApplication::translate("MainMenu", "Убрать данные опыта"), "mnuForgetData");
    for (QAction* a : {fitData, alignToLaunch, forgetData}) a->setEnabled(false);

    compareMenu = menu(bar, help, QCoreApplication::translate("MainMenu", "&Сравнение"), "mnuCompare");
    keepCurves = command(compareMenu, QCoreApplication::translate("MainMenu", "Запомнить кривые"), "mnuKeepCurves", {QKeySequence(Qt::CTRL | Qt::Key_K)});
    forgetCurves = command(compareMenu, QCoreApplication::translate("MainMenu", "Забыть запомненные"), "mnuForgetCurves");
    forgetCurves->setEnabled(false);

    viewMenu = menu(bar, help, QCoreApplication::translate("MainMenu", "&Вид"), "mnuView");
    enlarge = command(viewMenu, QCoreApplication::translate("MainMenu", "Крупнее"), "mnuEnlarge",
                      {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    shrink = command(viewMenu, QCoreApplication::translate("MainMenu", "Мельче"), "mnuShrink", {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    resetScale = command(viewMenu, QCoreApplication::translate("MainMenu", "Обычный размер (100 %)"), "mnuResetScale", {QKeySequence(Qt::CTRL | Qt::Key_0)});
    // What the graphs show goes below the scale, after a separator.
    viewMenu->addSeparator();
    fullModelCurve = command(viewMenu, QCoreApplication::translate("MainMenu", "Кривые Fc~v+v² до ПУСКа"), "mnuViewFullModelCurve");
    fullModelCurve->setCheckable(true);
    viewMenu->addSeparator();
    lessonView = command(viewMenu, QCoreApplication::translate("MainMenu", "Урок"), "mnuViewLesson", {QKeySequence(Qt::CTRL | Qt::Key_L)});
    // The language menu reads the same in every language, each language named in itself.
    viewMenu->addSeparator();
    languageMenu = new QMenu(QStringLiteral("Язык / Language"), viewMenu);
    languageMenu->setObjectName(QStringLiteral("mnuViewLanguage"));
    viewMenu->addMenu(languageMenu);
    auto* group = new QActionGroup(languageMenu);
    for (const Language& language : availableLanguages()) {
        QAction* a = command(languageMenu, nativeName(language), ("mnuLanguage_" + language.code.toStdString()).c_str());
        a->setData(language.code);
        a->setCheckable(true);
        group->addAction(a);
        languages.append(a);
    }
}

QList<QAction*> MainMenu::windowShortcuts() const {
    return {keepCurves, enlarge, shrink, resetScale, undo, redo, openLesson, saveLesson, saveLessonAs, openData, pasteData};
}

}  // namespace velunta
