#pragma once
// The program run as a user runs it from a terminal without a display: exit
// status (-1 for a crash), stdout and stderr; and the model its options describe.

#include <QProcess>

#include "plot/pipeline.h"
#include "model/input_acceptance.h"

namespace velunta::testing {

struct ProgramRun {
    int status;
    QString out, err;
};

// The program, or another one named (a tool that reads its files); its stdout into a file if one is named.
// No login folder either (a cron job, ssh): the program must not warn about it.
inline ProgramRun runProgram(const QStringList& args, const QString& other = {}, const QString& outputFile = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* unset : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) env.remove(unset);
    p.setProcessEnvironment(env);
    if (!outputFile.isEmpty()) p.setStandardOutputFile(outputFile);
    p.start(other.isEmpty() ? qEnvironmentVariable("VELUNTA_RUN_DIR") + "/velunta" : other, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The defaults with the input options among `args` ("--h=3") taken as the window takes them, computed.
inline Model modelFor(const QStringList& args) {
    Model m;
    m.set_defaults();
    std::vector<InputSetting> settings;
    for (const QString& a : args)
        if (const FieldInfo* f = findField(a.section('=', 0, 0).mid(2).toStdString()))
            settings.push_back({f->field, a.section('=', 1).replace(',', '.').toDouble()});
    applyInputs(m, settings);
    recompute(m);
    return m;
}

}  // namespace velunta::testing
