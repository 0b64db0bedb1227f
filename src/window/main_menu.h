#pragma once
// The menus the program adds to the window's own "Файл" and "Помощь": the lesson
// files and materials in "Файл", then "Правка", "Шар", "Среда", "Сравнение" and "Вид", every action made
// here in the order the menu bar shows them. Nothing is connected here: the window
// connects every command in one place (Form1::connectMenuCommands), the finishing of
// the pending edits first.

#include <QList>

class QAction;
class QMenu;
class QMenuBar;

namespace velunta {

struct Form1Controls;

struct MainMenu {
    // Файл: lessons kept in files, first in the menu.
    QAction *openLesson = nullptr, *saveLesson = nullptr, *saveLessonAs = nullptr, *lessonNotes = nullptr;
    QMenu* recentLessons = nullptr;  // "Последние уроки", filled when it opens
    // Правка.
    QMenu* editMenu = nullptr;
    QAction *undo = nullptr, *redo = nullptr;
    // Файл: the lesson materials, between the documents and "Выход".
    QAction *saveTable = nullptr, *savePicture = nullptr, *print = nullptr, *copyResults = nullptr,
            *copyPicture = nullptr;
    // Файл: a measured fall, from a file or the clipboard (Ctrl+V: a text field with the focus pastes first).
    QAction *openData = nullptr, *pasteData = nullptr;
    // Опыт: the published sets, the fit, the alignment of the points, and taking them away.
    QMenu* experimentMenu = nullptr;
    QList<QAction*> experiments;
    QAction *fitData = nullptr, *alignToLaunch = nullptr, *forgetData = nullptr;
    // Шар and Среда: an entry for each ball and medium of the data file.
    QMenu *ballMenu = nullptr, *mediumMenu = nullptr;
    QList<QAction*> balls, media;
    QAction* startValues = nullptr;
    // Сравнение.
    QMenu* compareMenu = nullptr;
    QAction *keepCurves = nullptr, *forgetCurves = nullptr;
    // Вид.
    QMenu* viewMenu = nullptr;
    QAction *enlarge = nullptr, *shrink = nullptr, *resetScale = nullptr;
    QAction* fullModelCurve = nullptr;  // checked: the full model's thin curves before a run
    QAction* lessonView = nullptr;      // the resizable lesson view in place of this window
    // Вид → Язык / Language: one checked of the built-in languages, each action's data
    // its code ("mnuLanguage_ru", "mnuLanguage_en", ...).
    QMenu* languageMenu = nullptr;
    QList<QAction*> languages;

    // Makes them all in the bar, before the window's "Помощь".
    MainMenu(QMenuBar* bar, const Form1Controls& c);
    // The actions the window wants as its own shortcuts, whichever control has the focus.
    QList<QAction*> windowShortcuts() const;
};

}  // namespace velunta
