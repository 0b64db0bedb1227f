#include "window/main_menu.h"

#include <QMenuBar>

#include "presets/experiments.h"
#include "presets/presets.h"
#include "ui/form1_controls.h"

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
    openLesson = command(file, QStringLiteral("Открыть урок…"), "mnuFileOpenLesson", {QKeySequence::Open}, first);
    saveLesson = command(file, QStringLiteral("Сохранить урок"), "mnuFileSaveLesson", {QKeySequence::Save}, first);
    saveLessonAs = command(file, QStringLiteral("Сохранить урок как…"), "mnuFileSaveLessonAs",
                           {QKeySequence(QStringLiteral("Ctrl+Shift+S"))}, first);
    recentLessons = new QMenu(QStringLiteral("Последние уроки"), file);
    recentLessons->setObjectName(QStringLiteral("mnuFileRecentLessons"));
    file->insertMenu(first, recentLessons);
    lessonNotes = command(file, QStringLiteral("Заметки к уроку…"), "mnuFileLessonNotes", {}, first);
    file->insertSeparator(first);
    QAction* exit = c.mnuHelpSep1;
    file->insertSeparator(exit);
    openData = command(file, QStringLiteral("Открыть данные опыта…"), "mnuFileOpenData",
                       {QKeySequence(QStringLiteral("Ctrl+Shift+O"))}, exit);
    pasteData = command(file, QStringLiteral("Вставить данные опыта"), "mnuFilePasteData", {QKeySequence::Paste}, exit);
    file->insertSeparator(exit);
    saveTable = command(file, QStringLiteral("Сохранить таблицу…"), "mnuFileSaveTable", {}, exit);
    savePicture = command(file, QStringLiteral("Сохранить рисунок…"), "mnuFileSavePicture", {}, exit);
    print = command(file, QStringLiteral("Печать…"), "mnuFilePrint", {QKeySequence::Print}, exit);
    copyResults = command(file, QStringLiteral("Копировать результаты"), "mnuFileCopyResults",
                          {QKeySequence(QStringLiteral("Ctrl+Shift+C"))}, exit);
    // Ctrl+C: a text field with the focus copies its own selection first.
    copyPicture = command(file, QStringLiteral("Копировать рисунок"), "mnuFileCopyPicture", {QKeySequence::Copy}, exit);

    QAction* help = c.mnuHelp->menuAction();
    editMenu = menu(bar, bar->actions().value(1), QStringLiteral("&Правка"), "mnuEdit");
    undo = command(editMenu, QStringLiteral("Отменить"), "mnuEditUndo", {QKeySequence::Undo});
    redo = command(editMenu, QStringLiteral("Повторить"), "mnuEditRedo",
                   {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    const Presets& presets = builtInPresets();
    ballMenu = menu(bar, help, QStringLiteral("&Шар"), "mnuBall");
    for (const BallPreset& b : presets.balls) balls << command(ballMenu, b.name, nullptr);
    ballMenu->addSeparator();
    startValues = command(ballMenu, QStringLiteral("Начальные значения"), "mnuStartValues");
    mediumMenu = menu(bar, help, QStringLiteral("С&реда"), "mnuMedium");
    for (const MediumPreset& s : presets.media) media << command(mediumMenu, s.name, nullptr);
    for (QAction* a : balls + media) a->setCheckable(true);
    ballMenu->setToolTipsVisible(true);
    mediumMenu->setToolTipsVisible(true);

    experimentMenu = menu(bar, help, QStringLiteral("&Опыт"), "mnuExperiment");
    for (const ExperimentSet& set : experimentSets()) {
        experiments << command(experimentMenu, set.name, nullptr);
        experiments.back()->setCheckable(true);
        experiments.back()->setToolTip(set.source);
    }
    experimentMenu->setToolTipsVisible(true);
    experimentMenu->addSeparator();
    fitData = command(experimentMenu, QStringLiteral("Подобрать по данным…"), "mnuFitData");
    alignToLaunch = command(experimentMenu, QStringLiteral("Первая точка — бросок из (0, h)"), "mnuAlignToLaunch");
    alignToLaunch->setCheckable(true);
    forgetData = command(experimentMenu, QStringLiteral("Убрать данные опыта"), "mnuForgetData");
    for (QAction* a : {fitData, alignToLaunch, forgetData}) a->setEnabled(false);

    compareMenu = menu(bar, help, QStringLiteral("&Сравнение"), "mnuCompare");
    keepCurves = command(compareMenu, QStringLiteral("Запомнить кривые"), "mnuKeepCurves", {QKeySequence(Qt::CTRL | Qt::Key_K)});
    forgetCurves = command(compareMenu, QStringLiteral("Забыть запомненные"), "mnuForgetCurves");
    forgetCurves->setEnabled(false);

    viewMenu = menu(bar, help, QStringLiteral("&Вид"), "mnuView");
    enlarge = command(viewMenu, QStringLiteral("Крупнее"), "mnuEnlarge",
                      {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    shrink = command(viewMenu, QStringLiteral("Мельче"), "mnuShrink", {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    resetScale = command(viewMenu, QStringLiteral("Обычный размер (100 %)"), "mnuResetScale", {QKeySequence(Qt::CTRL | Qt::Key_0)});
    // What the graphs show goes below the scale, after a separator.
    viewMenu->addSeparator();
    fullModelCurve = command(viewMenu, QStringLiteral("Кривые Fc~v+v² до ПУСКа"), "mnuViewFullModelCurve");
    fullModelCurve->setCheckable(true);
    viewMenu->addSeparator();
    lessonView = command(viewMenu, QStringLiteral("Урок"), "mnuViewLesson", {QKeySequence(Qt::CTRL | Qt::Key_L)});
}

QList<QAction*> MainMenu::windowShortcuts() const {
    return {keepCurves, enlarge, shrink, resetScale, undo, redo, openLesson, saveLesson, saveLessonAs, openData, pasteData};
}

}  // namespace velunta
