// Lessons kept in files and the undo history of the window: opening and saving,
// the recent lessons, the notes, the title with the unsaved mark, and the
// question before leaving with unsaved changes.

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include "window/program_settings.h"
#include <QVBoxLayout>

#include "export/whole_file.h"
#include "plot/kept_curves.h"
#include "plot/pipeline.h"
#include "window/comparison_menu.h"
#include "window/experiment_menu.h"
#include "window/form1.h"
#include "window/main_menu.h"
#include "window/undo_history.h"
#include "window/view_scale.h"

namespace velunta {

namespace {

constexpr int kRecentLessons = 8;
const QString kRecentKey = QStringLiteral("lessons/recent");


QString fileFilter() { return QCoreApplication::translate("Form1", "Уроки Велунты (*.%1)").arg(QLatin1String(kLessonSuffix)); }

}  // namespace

// ---- The state an undo step or a file keeps -------------------------------------

LessonState Form1::lessonState() const {
    LessonState s;
    s.inputs = m_.inputs();
    for (const KeptSet& set : kept_->sets) s.kept.push_back({set.label, set.inputs});
    s.measured = experiment_->sharedData();
    s.fit = experiment_->lastFit();
    return s;
}

std::vector<FieldRefusal> Form1::restoreLessonState(const LessonState& state) {
    std::vector<KeptInputs> kept;
    for (const KeptSet& set : kept_->sets) kept.push_back({set.label, set.inputs});
    if (kept != state.kept) {
        kept_->clear();
        for (const KeptInputs& set : state.kept) {
            Model computed;
            computed.set_defaults();
            computed.set_inputs(set.inputs);
            recompute(computed);
            kept_->keep(computed, set.label);
        }
        comparisonMenu_->forgetAction()->setEnabled(!kept_->empty());
    }
    std::vector<InputSetting> settings;
    for (int i = 0; i < inputFieldCount; ++i) {
        Model values;
        values.set_inputs(state.inputs);
        settings.push_back({inputFields()[i].field, inputValue(values, inputFields()[i].field)});
    }
    // The points and the fit first, drawn by the inputs' recompute.
    experiment_->restore(state.measured, state.fit);
    // Through the one acceptance path, one recompute with the kept sets and the points.
    return applyInputs(settings);
}

void Form1::settleChange(const QString& name) {
    if (undo_) undo_->settle(name);
}

// ---- Files ---------------------------------------------------------------------------

LessonDocument Form1::lessonDocument() const {
    LessonDocument lesson;
    const LessonState state = lessonState();
    lesson.inputs = state.inputs;
    lesson.kept = state.kept;
    if (state.measured) lesson.measured = *state.measured;
    lesson.fit = state.fit;
    lesson.view = lessonViewRead_;
    if (lessonViewHooks_.save) lessonViewHooks_.save(lesson.view);
    lesson.view.scale = viewScale_->scale();
    lesson.view.graph = c_.Option2->isChecked() ? 2 : c_.Option3->isChecked() ? 3 : 1;
    lesson.view.slowDown = c_.HScroll2->value();
    lesson.view.picture = c_.VScroll2->value();
    lesson.notes = notes_;
    return lesson;
}

bool Form1::saveLessonFile(const QString& path, QString& error) {
    finishPendingEdits();
    if (!writeWholeFile(path, writeLesson(lessonDocument()), error)) return false;
    lessonPath_ = path;
    notesSaved_ = notes_;
    undo_->markSaved();
    rememberRecentLesson(path);
    showLessonTitle();
    return true;
}

bool Form1::openLessonFile(const QString& path) {
    finishPendingEdits();
    const LessonReadResult read = readLessonFile(path);
    const QString name = QFileInfo(path).fileName();
    if (!read.lesson) {
        services_.dialogs->MsgBox(QCoreApplication::translate("Form1", "Урок «%1» не открыт: %2.").arg(name, read.error), vbOKOnly, tr("Ошибка"));
        return false;
    }
    const LessonDocument& lesson = *read.lesson;
    // The view first, so that the inputs' one recompute draws it as it was.
    viewScale_->setScale(lesson.view.scale);
    QRadioButton* graph = lesson.view.graph == 2 ? c_.Option2 : lesson.view.graph == 3 ? c_.Option3 : c_.Option1;
    graph->click();
    c_.HScroll2->setValue(lesson.view.slowDown);
    c_.VScroll2->setValue(lesson.view.picture);
    notes_ = notesSaved_ = lesson.notes;
    lessonViewRead_ = lesson.view;
    if (lessonViewHooks_.show) lessonViewHooks_.show(lesson.view);

    // A value the fields refuse is refused with its message and replaced as they replace it.
    LessonState state{lesson.inputs, lesson.kept, nullptr, lesson.fit};
    if (lesson.measured) state.measured = std::make_shared<const MeasuredData>(*lesson.measured);
    for (const FieldRefusal& r : restoreLessonState(state))
        services_.dialogs->MsgBox(shownModelText(r.refusal.message), vbOKOnly, tr("Ошибка"));

    undo_->reset();
    lessonPath_ = path;
    rememberRecentLesson(path);
    showLessonTitle();
    if (!read.skipped.isEmpty())
        services_.dialogs->MsgBox(QCoreApplication::translate("Form1", "Урок «%1» записан более новой версией программы. Не прочитано: %2.")
                                      .arg(name, read.skipped.join(QStringLiteral(", "))),
                                  vbOKOnly, QCoreApplication::translate("Form1", "Урок"));
    return true;
}

bool Form1::hasUnsavedLesson() const { return (undo_ && !undo_->isClean()) || notes_ != notesSaved_; }

void Form1::showLessonTitle() {
    const QString name = lessonPath_.isEmpty() ? QString() : QFileInfo(lessonPath_).completeBaseName();
    setWindowTitle(name.isEmpty() ? QCoreApplication::translate("Form1", "Велунта.[*]") : QCoreApplication::translate("Form1", "%1[*] — Велунта.").arg(name));
    setWindowModified(hasUnsavedLesson());
}

QStringList Form1::recentLessons() const { return programSettings().value(kRecentKey).toStringList(); }

void Form1::rememberRecentLesson(const QString& path) {
    QStringList recent = recentLessons();
    const QString full = QFileInfo(path).absoluteFilePath();
    recent.removeAll(full);
    recent.prepend(full);
    while (recent.size() > kRecentLessons) recent.removeLast();
    QSettings s = programSettings();
    s.setValue(kRecentKey, recent);
}

// Сохранить / Не сохранять / Отмена; false when the user stays.
bool Form1::maySetLessonAside() {
    if (!hasUnsavedLesson()) return true;
    const QString name = lessonPath_.isEmpty() ? QCoreApplication::translate("Form1", "Новый урок") : QFileInfo(lessonPath_).fileName();
    const int answer = services_.dialogs->MsgBox(
        QCoreApplication::translate("Form1", "В уроке «%1» есть несохранённые изменения. Сохранить их?").arg(name), vbYesNoCancel,
        QCoreApplication::translate("Form1", "Урок"));
    if (answer == vbCancel) return false;
    if (answer == vbNo) return true;
    return saveLesson();
}

bool Form1::saveLesson() {
    if (lessonPath_.isEmpty()) return saveLessonAs();
    QString error;
    if (saveLessonFile(lessonPath_, error)) return true;
    services_.dialogs->MsgBox(QCoreApplication::translate("Form1", "Урок не сохранён: %1").arg(error), vbOKOnly, tr("Ошибка"));
    return false;
}

bool Form1::saveLessonAs() {
    QString path = QFileDialog::getSaveFileName(this, QCoreApplication::translate("Form1", "Сохранить урок"),
                                                lessonPath_.isEmpty() ? QCoreApplication::translate("Form1", "урок.velunta") : lessonPath_,
                                                fileFilter());
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + QLatin1String(kLessonSuffix);
    QString error;
    if (saveLessonFile(path, error)) return true;
    services_.dialogs->MsgBox(QCoreApplication::translate("Form1", "Урок не сохранён: %1").arg(error), vbOKOnly, tr("Ошибка"));
    return false;
}

void Form1::openLesson() {
    if (!maySetLessonAside()) return;
    const QString path = QFileDialog::getOpenFileName(this, QCoreApplication::translate("Form1", "Открыть урок"),
                                                      QFileInfo(lessonPath_).path(), fileFilter());
    if (!path.isEmpty()) openLessonFile(path);
}

void Form1::editLessonNotes() {
    QDialog dialog(this);
    dialog.setWindowTitle(QCoreApplication::translate("Form1", "Заметки к уроку"));
    auto* text = new QPlainTextEdit(notes_, &dialog);
    text->setAccessibleName(QCoreApplication::translate("Form1", "Заметки к уроку"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("Form1", "Сохранить заметки"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("Form1", "Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(480, 320);
    if (dialog.exec() != QDialog::Accepted) return;
    notes_ = text->toPlainText();
    showLessonTitle();
}

void Form1::connectLessonCommands() {
    undo_ = new UndoHistory([this] { return lessonState(); },
                            [this](const LessonState& s) { restoreLessonState(s); }, menu_->undo, menu_->redo, this);
    connect(undo_, &UndoHistory::cleanChanged, this, &Form1::showLessonTitle);
    connect(menu_->openLesson, &QAction::triggered, this, &Form1::openLesson);
    connect(menu_->saveLesson, &QAction::triggered, this, &Form1::saveLesson);
    connect(menu_->saveLessonAs, &QAction::triggered, this, &Form1::saveLessonAs);
    connect(menu_->lessonNotes, &QAction::triggered, this, &Form1::editLessonNotes);
    QMenu* recent = menu_->recentLessons;
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        const QStringList paths = recentLessons();
        for (const QString& path : paths)
            recent->addAction(QFileInfo(path).fileName(), this, [this, path] {
                finishPendingEdits();
                if (maySetLessonAside()) openLessonFile(path);
            })->setToolTip(path);
        recent->setToolTipsVisible(true);
        if (paths.isEmpty()) recent->addAction(QCoreApplication::translate("Form1", "(пусто)"))->setEnabled(false);
    });
    // A chosen ball or medium, a kept or forgotten set: one step each, named by the menu.
    for (QAction* a : menu_->balls)
        connect(a, &QAction::triggered, this, [this, a] { settleChange(QCoreApplication::translate("Form1", "шар: %1").arg(a->text())); });
    for (QAction* a : menu_->media)
        connect(a, &QAction::triggered, this, [this, a] { settleChange(QCoreApplication::translate("Form1", "среда: %1").arg(a->text())); });
    connect(menu_->startValues, &QAction::triggered, this, [this] { settleChange(QCoreApplication::translate("Form1", "начальные значения")); });
    connect(comparisonMenu_, &ComparisonMenu::keptChanged, this, [this] { settleChange(); });
    // Data opened, pasted or chosen, aligned or forgotten, a fit applied: one step each.
    connect(experiment_, &ExperimentMenu::stepDone, this, [this](const QString& name) { settleChange(name); });
    showLessonTitle();
}

}  // namespace velunta
