#pragma once
// The menus the program adds to the window's own "Файл" and "Помощь": the lesson
// materials in "Файл", then "Шар", "Среда", "Сравнение" and "Вид", every action made
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
    // Файл: the lesson materials, between the documents and "Выход".
    QAction *saveTable = nullptr, *savePicture = nullptr, *print = nullptr, *copyResults = nullptr,
            *copyPicture = nullptr;
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

    // Makes them all in the bar, before the window's "Помощь".
    MainMenu(QMenuBar* bar, const Form1Controls& c);
    // The actions the window wants as its own shortcuts, whichever control has the focus.
    QList<QAction*> windowShortcuts() const;
};

}  // namespace velunta
