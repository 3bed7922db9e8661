#pragma once
// The program itself, started from a test: each run has its own user folder,
// all share one runtime folder, sound goes to fakesink, and MPRIS clients
// reach it on the private session bus that ctest starts (dbus-run-session).
#include "gst/GstTestMedia.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <functional>
#include <ostream>

// Failures show playerctl's answers as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace velto::test {

// Holds `done` within `limitMs`, asking every 100 ms (each question may start
// a client process).
inline bool Eventually(const std::function<bool()>& done, int limitMs = 20000) {
    QDeadlineTimer deadline(limitMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(100);
    }
    return true;
}

// The runtime folder all runs of this test program share, as one user's
// programs share $XDG_RUNTIME_DIR.
inline QString RuntimeFolder() {
    static QTemporaryDir dir;
    return dir.path();
}

// playerctl's answer, without the line end; empty when it failed.
inline QString Ctl(const QStringList& args, const QString& player = QStringLiteral("velto")) {
    QProcess p;
    p.start(QStringLiteral("playerctl"), QStringList{QStringLiteral("-p"), player} + args);
    if (!p.waitForFinished(5000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

inline QProcessEnvironment ProgramEnvironment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELTO_HOME"), home);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), RuntimeFolder());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VELTO_AUDIO_SINK"), QStringLiteral("fakesink sync=true"));
    env.insert(QStringLiteral("VELTO_VIDEO_SINK"), QStringLiteral("fakesink"));
    return env;
}

// One start of build/velto; a run still going at the end is ended by SIGTERM.
class ProgramRun {
public:
    ProgramRun(const QString& home, const QStringList& args, const QString& workDir = {}) {
        // The shipped skin, so that a first start shows no message.
        QFile ini(home + QStringLiteral("/morvanix.ini"));
        if (!ini.exists() && ini.open(QIODevice::WriteOnly))
            ini.write("[config]\nSkin=" + QFileInfo(QStringLiteral(VELTO_PROGRAM)).path().toUtf8() +
                      "/default.skin\n");
        process.setProcessEnvironment(ProgramEnvironment(home));
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (!workDir.isEmpty()) process.setWorkingDirectory(workDir);
        process.start(QStringLiteral(VELTO_PROGRAM), args);
    }
    ~ProgramRun() { Terminate(); }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Running() const { return process.state() != QProcess::NotRunning; }
    // Ends the run the normal way (it writes playlist.m3u); true when it ended.
    bool Terminate() {
        if (!Running()) return true;
        process.terminate();
        if (process.waitForFinished(20000)) return true;
        process.kill();
        process.waitForFinished(5000);
        return false;
    }
    // The exit status once ended within `limitMs`; -1 otherwise.
    int ExitCode(int limitMs = 20000) {
        if (!process.waitForFinished(limitMs) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        return process.exitCode();
    }

    QProcess process;
};

// Tones of the given lengths in `folder`, named a.wav, b.wav, ...; the paths.
inline QStringList WriteTones(const QString& folder, std::initializer_list<int> lengthsMs) {
    QStringList paths;
    char name = 'a';
    for (int ms : lengthsMs) {
        const QString path = folder + QStringLiteral("/") + QChar(name++) + QStringLiteral(".wav");
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(WavTone(ms, 8000));
        paths << path;
    }
    return paths;
}

} // namespace velto::test
