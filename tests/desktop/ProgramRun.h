#pragma once
// The program started from a test: a user folder per run, one shared runtime folder, fakesink;
// MPRIS clients reach it on the private session bus that ctest starts (dbus-run-session).
#include "gst/GstTestMedia.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <ostream>

// Failures show playerctl's answers as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace velto::test {

// Holds `done` within 20 s, asking every 100 ms (a question may start a client process).
inline bool Eventually(const std::function<bool()>& done) { return WaitUntil(done, 20000, 100); }

// Shared by all runs, as one user's programs share $XDG_RUNTIME_DIR.
inline QString RuntimeFolder() {
    static QTemporaryDir dir;
    return dir.path();
}

// playerctl's answer without the line end; empty when it failed.
inline QString Ctl(const QStringList& args, const QString& player = "velto") {
    QProcess p;
    p.start("playerctl", QStringList{"-p", player} + args);
    if (!p.waitForFinished(5000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// One start of build/velto; one still running at the end gets SIGTERM.
class ProgramRun {
public:
    ProgramRun(const QString& home, const QStringList& args, const QString& workDir = {}) {
        // The shipped skin, so that a first start shows no message.
        if (QFile ini(home + "/morvanix.ini"); !ini.exists() && ini.open(QIODevice::WriteOnly))
            ini.write("[config]\nSkin=" + QFileInfo(VELTO_PROGRAM).path().toUtf8() +
                      "/default.skin\n");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELTO_HOME", home);
        env.insert("XDG_RUNTIME_DIR", RuntimeFolder());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("VELTO_AUDIO_SINK", "fakesink sync=true");
        env.insert("VELTO_VIDEO_SINK", "fakesink");
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setWorkingDirectory(workDir);
        process.start(VELTO_PROGRAM, args);
    }
    ~ProgramRun() { Terminate(); }

    bool Running() const { return process.state() != QProcess::NotRunning; }
    // Ends the run the normal way (it writes playlist.m3u); true when it
    // ended so, with status 0.
    bool Terminate() {
        if (Running()) process.terminate();
        if (process.waitForFinished(20000) || !Running())
            return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        process.kill();
        process.waitForFinished();
        return false;
    }
    // The exit status once it ended by itself within 20 s; -1 otherwise.
    int ExitCode() {
        const bool ended = process.waitForFinished(20000);
        return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QProcess process;
};

// Tones of the given lengths in `dir`, named a.wav, b.wav, ...; the paths.
inline QStringList WriteTones(const TempDir& dir, std::initializer_list<int> lengthsMs) {
    QStringList paths;
    for (int ms : lengthsMs)
        paths << dir.write(QChar(char16_t(u'a' + paths.size())) + QString(".wav"),
                           WavTone(ms, 8000));
    return paths;
}

} // namespace velto::test
