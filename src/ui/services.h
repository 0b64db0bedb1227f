#pragma once
// The few services of the desktop that the window uses, behind small interfaces
// so that tests can answer a message box, record a beep or an opened document.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace velunta {

// Message box styles and answers, numbered as the classic MsgBox numbers them.
enum MsgBoxStyle { vbOKOnly = 0, vbYesNoCancel = 3, vbYesNo = 4 };
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box without an icon; returns the button pressed.
    virtual int MsgBox(const QString& text, int style, const QString& title) = 0;
};

class Tone {
public:
    virtual ~Tone() = default;
    // A tone of the given frequency and duration; never blocks the window.
    virtual void Beep(int frequencyHz, int durationMs) = 0;
};

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // Opens a document with the desktop's handler; false when that failed.
    virtual bool openDocument(const QString& path) = 0;
    // Starts another program and leaves it running. `failed` runs when it could not be
    // started or, later, when it ends with an error (xdg-open does, when no program on
    // the desktop takes the file).
    virtual void startProgram(const QString& program, const QStringList& arguments, std::function<void()> failed) = 0;
};

// The real implementations over Qt.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    int MsgBox(const QString& text, int style, const QString& title) override;

private:
    QWidget* parent_;
};

class QtDocumentOpener : public DocumentOpener {
public:
    bool openDocument(const QString& path) override;
    void startProgram(const QString& program, const QStringList& arguments, std::function<void()> failed) override;
};

}  // namespace velunta
