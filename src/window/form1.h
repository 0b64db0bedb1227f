#pragma once
// The main window: owns the model state and every control, runs the start-up,
// the recompute pipeline and the confirmation at the end of the program.

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "model/input_acceptance.h"
#include "model/model.h"
#include "plot/animation.h"
#include "window/frame_pause.h"
#include "window/language.h"
#include "ui/form1_controls.h"
#include "ui/form2.h"
#include "export/picture_export.h"
#include "ui/services.h"
#include "window/undo_history.h"

namespace velunta {

class Form2;
class FramePause;
class Form1RunHost;
class PresetMenus;
class ComparisonMenu;
class ExperimentMenu;
class ViewScale;
class StatusLine;
struct KeptCurves;
struct MainMenu;
class UndoHistory;

// The desktop services the window talks to; tests pass fakes.
struct Form1Services {
    Dialogs* dialogs = nullptr;
    Tone* tone = nullptr;
    DocumentOpener* opener = nullptr;
};

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // With the real desktop services.
    Form1();
    // With the given services (not owned; they must outlive the window).
    explicit Form1(const Form1Services& services);
    ~Form1() override;

    Model& model() { return m_; }
    const Form1Controls& controls() const { return c_; }
    Form1Controls& controls() { return c_; }
    // The start-up flag: empty until Form_Load runs, 0 while it runs, then 1.
    std::optional<int> zagruzka() const { return zagruzka_; }
    // How many times the pipeline has run in full (for tests and benchmarks).
    long pipelineRuns() const { return pipelineRuns_; }

    // The recompute pipeline (also the handler of every size change). A change
    // of the view only: a run goes on, and what it drew is drawn again.
    void Form_Resize();
    // The pictures a hidden window left undrawn, drawn now (an export reads them).
    void drawHiddenPictures();
    // The pipeline after the inputs may have changed (an edit, a chosen ball or
    // medium): a run or time marks made for other inputs go first.
    void recomputeForNewInputs();

    // Classroom tools: the menus of balls, media, comparison and view, the status line.
    PresetMenus* presetMenus() const { return presetMenus_; }
    ComparisonMenu* comparisonMenu() const { return comparisonMenu_; }
    ViewScale* viewScale() const { return viewScale_; }
    StatusLine* statusLine() const { return statusLine_; }
    // The measured fall: its menus, points, panel and fit.
    ExperimentMenu* experiment() const { return experiment_; }
    const KeptCurves& keptCurves() const { return *kept_; }
    KeptCurves& keptCurves() { return *kept_; }
    // The full model's thin closed-form curves on the graphs before a run ("Вид").
    bool showsFullModelCurve() const { return showFullModelCurve_; }
    void setShowFullModelCurve(bool on);
    // Вид → Язык: remembered for the next start, which the window's note says in the chosen language.
    void chooseLanguage(const Language& language);

    // Menu "Файл" / "Выход": asks to unload the window.
    void mnuFileExit_Click();

    // The seven input fields. While the user types, a number the field accepts is
    // taken at once (and recomputed); other texts wait, marked as pending, until the
    // edit is finished: Enter, leaving the field, or a command.
    void Text1_Change() { inputChanged(InputField::h); }
    void Text2_Change() { inputChanged(InputField::V0y); }
    void Text4_Change() { inputChanged(InputField::d); }
    void Text5_Change() { inputChanged(InputField::massa); }
    void Text6_Change() { inputChanged(InputField::r0); }
    void Text7_Change() { inputChanged(InputField::eta); }
    void Text3_Change() { inputChanged(InputField::c); }

    // Finishes every edit in progress as Enter would: the field's checks (a box and the
    // replacement for a refused text), the field written in its pattern, a recompute
    // if a value changed. The commands call it before they act.
    void finishPendingEdits();
    // Puts a set of inputs into the fields as finished edits: all stored, then checked in
    // the tab order, refused values replaced without a box, one recompute at the end.
    std::vector<FieldRefusal> applyInputs(const std::vector<InputSetting>& settings);
    // Whether the field holds typed text that is not applied (shown paler, with a hint).
    bool isPending(InputField field) const { return edits_[int(field)].pending; }

    // A tone of 880 Hz lasting 12 * k milliseconds.
    void signal(double k);

    // "ПУСК": recompute, redraw the graphs, run the animation, time it in the caption.
    void CmdOK_Click();
    // "Пересчёт": recompute and clear the run's counters.
    void Command1_Click();
    // The length of the last run in whole seconds, its pauses left out.
    std::int16_t vremja = 0;
    // The clock the start command reads (tests give a scripted one).
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // Runs in progress (a run started during another's pause counts twice).
    int runsInProgress() const { return runDepth_; }
    // Space during a run: the fall holds still until Space again.
    bool runPaused() const { return paused_; }
    void setRunPaused(bool paused);
    // What the last run drew, with its time marks (empty once the inputs change).
    const RunTrail& runTrail() const { return trail_; }

    // View controls: which drawing is shown, the scales, the slow-down and the
    // explanatory picture.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void VScroll1_Change();
    void HScroll1_Change();
    void HScroll2_Change();
    void VScroll2_Change();
    void Label22_Click();
    void Label23_Click();
    void Label5_Click();

    // Help and information commands of the menu.
    void mnuFilespravka2_Click();
    void mnuFilespravka_Click();
    void mnuFilesHistory_Click();
    void mnuHelpInstruction_Click();
    void mnuHelpUprav_Click();
    void mnuHelpAvtors_Click();
    void mnuHelpAbout_Click();
    void mnuHelpAbout2_Click();
    // The authors window while it is open.
    Form2* authorsWindow() const { return form2_; }
    // The program's own window with the instruction's text, while it is open
    // (shown where no program on the desktop opens the file).
    QWidget* instructionWindow() const { return instruction_; }

    // Lesson materials: the table, the picture shown (PNG or SVG by the name;
    // an invalid size: twice the size in the window), the printed worksheet,
    // and copies on the clipboard. The save functions say why they failed.
    bool saveTableFile(const QString& path, double step, QString& error);
    bool savePictureFile(const QString& path, QSize size, QString& error);
    void mnuFileSaveTable_Click();
    void mnuFileSavePicture_Click();
    void mnuFilePrint_Click();
    void copyResults();
    void copyPicture();

    // Lessons in files. The open and save functions say why they failed; opening
    // takes the inputs through the fields' acceptance, with their messages.
    bool openLessonFile(const QString& path);
    bool saveLessonFile(const QString& path, QString& error);
    LessonDocument lessonDocument() const;
    const QString& lessonPath() const { return lessonPath_; }
    const QString& lessonNotes() const { return notes_; }
    void setLessonNotes(const QString& notes) { notes_ = notes; showLessonTitle(); }
    bool hasUnsavedLesson() const;
    QStringList recentLessons() const;
    // Every finished change is an undo step ("Правка").
    UndoHistory& undoHistory() { return *undo_; }
    // The state an undo step restores, and restoring it through the fields' acceptance.
    LessonState lessonState() const;
    std::vector<FieldRefusal> restoreLessonState(const LessonState& state);
    // The lesson view's part of a lesson file (shown or not, its text size, graphs, speed),
    // given by the view switch: `save` fills it in, `show` shows it as the file says.
    struct LessonViewHooks {
        std::function<void(LessonView&)> save;
        std::function<void(const LessonView&)> show;
    };
    void setLessonViewHooks(LessonViewHooks hooks) { lessonViewHooks_ = std::move(hooks); }

signals:
    // After every run of the recompute pipeline.
    void recomputed();
    // "Вид" / "Урок": the lesson view is to take this window's place.
    void lessonViewRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void construct();
    void Form_Load();
    void init_inputs();
    void layout();
    // Form_Unload: true when the user confirms the end of the program.
    bool Form_Unload();
    void showCaptions();
    void redrawGraphs();
    void redrawRun();
    void connectHandlers();
    void connectInputFields();
    void connectViewControls();
    void connectRunCommands();
    bool raschet4();
    // Every menu and command: all made first, then all connected in one place.
    void createMenus();
    void connectMenuCommands();
    PictureView shownView() const;
    // The three pictures as shown, with the full model's curves from its closed forms.
    std::unique_ptr<ViewSurfaces> currentViews() const;
    void openDocument(const QString& fileName);
    void showView(bool trajectory, bool coordinate, bool velocity);
    void inputChanged(InputField field);
    QLineEdit* textBox(InputField field) const;
    void finishEdit(InputField field);
    void cancelEdit(InputField field);
    void setInput(InputField field, double value);
    void writeField(InputField field);
    void setPending(InputField field, bool pending);
    friend class InputFieldWatcher;

    Model m_;
    Form1Controls c_;
    QWidget* client_ = nullptr;
    std::optional<int> zagruzka_;
    long pipelineRuns_ = 0;
    bool picturesStale_ = false;  // computed while hidden, not drawn
    bool drawingDeferred() const;
    void drawPipeline();
    bool ending_ = false;
    // Each field's edit: open from the first change after the field was last
    // written until it is finished; `text` and `value` are what Esc restores.
    struct FieldEdit {
        bool open = false;
        bool pending = false;
        QString text;
        double value = 0;
        QString toolTip;   // the field's own hint, shown again when nothing is pending
        QPalette palette;  // the field's own colours
    };
    FieldEdit edits_[inputFieldCount];
    bool writingField_ = false;  // the program writes a field: no edit begins

    QPointer<Form2> form2_;
    QPointer<QWidget> instruction_;
    void showInstructionWindow(const QString& path);

    Form1Services services_;
    std::unique_ptr<Dialogs> ownDialogs_;
    std::unique_ptr<Tone> ownTone_;
    std::unique_ptr<DocumentOpener> ownOpener_;

    // The animated run. Every recompute starts a new generation: a run whose
    // generation is no longer current stops at its next frame.
    friend class Form1RunHost;
    FramePause* pause_ = nullptr;  // a child of Timer1
    std::function<QDateTime()> clock_;
    unsigned long runGeneration_ = 0;
    int runDepth_ = 0;
    RunTrail trail_;
    QString runCaption_;  // "Велунта.  Начало HH:MM:SS" of the run in progress
    bool paused_ = false;
    QDateTime pausedSince_;
    qint64 pausedMs_ = 0;  // paused time of the run in progress
    void stopRun();
    QDateTime now() const;
    RunSurfaces runSurfaces() const;

    std::unique_ptr<MainMenu> menu_;
    PresetMenus* presetMenus_ = nullptr;
    ComparisonMenu* comparisonMenu_ = nullptr;
    ExperimentMenu* experiment_ = nullptr;
    ViewScale* viewScale_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    std::unique_ptr<KeptCurves> kept_;
    bool showFullModelCurve_ = true;

    // The lesson file and the undo history.
    UndoHistory* undo_ = nullptr;
    QString lessonPath_;
    QString notes_, notesSaved_;
    LessonViewHooks lessonViewHooks_;
    LessonView lessonViewRead_;  // without a lesson view, its part of the file is kept as read
    void connectLessonCommands();
    void settleChange(const QString& name = {});
    void showLessonTitle();
    void rememberRecentLesson(const QString& path);
    bool maySetLessonAside();
    bool saveLesson();
    bool saveLessonAs();
    void openLesson();
    void editLessonNotes();
};

}  // namespace velunta
