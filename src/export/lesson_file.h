#pragma once
// A lesson kept in a file: the seven inputs, the kept comparison sets, the
// measured data with the last fit, how the lesson is shown, and the teacher's
// notes. JSON, named by its format and version, so that a later program can
// read what it knows of an older file and an older program what it knows of a
// newer one.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "model/drag_fit.h"
#include "model/measured_data.h"
#include "model/model.h"

namespace velunta {

inline constexpr char kLessonFormat[] = "velunta-lesson";
inline constexpr int kLessonVersion = 1;
inline constexpr qint64 kMaxLessonBytes = 10 * 1024 * 1024;
inline constexpr char kLessonSuffix[] = "velunta";

struct KeptInputs {
    std::string label;
    InputValues inputs;
    bool operator==(const KeptInputs&) const = default;
};

// How the lesson was shown when it was saved.
struct LessonView {
    bool lessonView = false;  // the lesson view rather than the classic window
    double scale = 1.0;       // the text size step
    int graph = 1;            // 1 trajectory, 2 Y(t), 3 Vy(t) in the classic window
    int slowDown = 0;         // the animated fall's slow-down
    int picture = 1;          // the explanatory picture shown
    // The lesson view's own: its text size, which of Y(t), Vy(t), a(t) it shows, its playback speed.
    double lessonScale = 1.0;
    std::array<bool, 3> lessonGraphs{true, true, false};
    double lessonSpeed = 1.0;
    bool operator==(const LessonView&) const = default;
};

// The last fit applied to the fields: what was fitted (c, eta, t0 in that
// order), the values found with their standard errors, the rms after it.
struct LessonFit {
    std::vector<FittedValue> values;
    double rms = 0;  // m
    bool operator==(const LessonFit&) const = default;
};

struct LessonDocument {
    InputValues inputs;
    std::vector<KeptInputs> kept;            // oldest first
    std::optional<MeasuredData> measured;
    std::optional<LessonFit> fit;             // only with measured data
    LessonView view;
    QString notes;                            // "Заметки к уроку"
    bool operator==(const LessonDocument&) const = default;
};

QByteArray writeLesson(const LessonDocument& lesson);

struct LessonReadResult {
    std::optional<LessonDocument> lesson;  // nothing when the file cannot be a lesson
    QString error;                         // why not, in Russian
    QStringList skipped;                   // parts of a newer file this program does not know
};

// Reads a lesson from the file's bytes; what is wrong is named in the error.
LessonReadResult readLesson(const QByteArray& bytes);

// Reads the file itself (missing, unreadable, over 10 MB) and then the lesson.
LessonReadResult readLessonFile(const QString& path);

}  // namespace velunta
