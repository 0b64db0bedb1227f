#pragma once
// The program run as a user runs it from a terminal without a display: exit
// status (-1 for a crash), stdout and stderr.

#include <QProcess>

namespace velunta::testing {

struct ProgramRun {
    int status;
    QString out, err;
};

inline ProgramRun runProgram(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(display);
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("VELUNTA_RUN_DIR") + "/velunta", args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace velunta::testing
