#pragma once
// Recording stand-ins for the desktop services: a message box that answers as
// told, a tone and a document opener that only remember what was asked.

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "ui/services.h"

namespace velunta::testing {

struct ShownBox {
    QString text;
    int style;
    QString title;
};

class FakeDialogs : public Dialogs {
public:
    int MsgBox(const QString& text, int style, const QString& title) override {
        shown.push_back({text, style, title});
        const int answer = answers.empty() ? (style == vbYesNo || style == vbYesNoCancel ? vbNo : vbOK) : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    std::vector<ShownBox> shown;
    std::deque<int> answers;  // given in order; then No (also "Не сохранять") / OK
};

struct BeepCall {
    int frequencyHz;
    int durationMs;
};

class FakeTone : public Tone {
public:
    void Beep(int frequencyHz, int durationMs) override { beeps.push_back({frequencyHz, durationMs}); }
    std::vector<BeepCall> beeps;
};

class FakeOpener : public DocumentOpener {
public:
    bool openDocument(const QString& path) override {
        opened.push_back(path);
        return !fails;
    }
    void startProgram(const QString& program, const QStringList& arguments, std::function<void()> failed) override {
        started.push_back(program + " " + arguments.join(' '));
        if (fails) failed();
    }
    QStringList opened;
    QStringList started;
    bool fails = false;  // as a desktop without a program for the file
};

}  // namespace velunta::testing
