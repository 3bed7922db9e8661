// The program ended by SIGTERM or SIGINT while a message box is open before its main loop runs.
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <csignal>
#include <vector>

namespace {

// Waits (bounded) until the error output holds `text`.
bool waitForOutput(QProcess& program, QByteArray& seen, const QByteArray& text) {
    for (int round = 0; round < 600 && !seen.contains(text) && program.state() == QProcess::Running;
         ++round)
        program.waitForReadyRead(100), seen += program.readAllStandardError();
    return seen.contains(text);
}

} // namespace

TEST(ProgramSignals, TermOrIntWithAMessageBoxOpenEndsThroughTheNormalShutDown) {
    // SIGTERM twice: the second comes while the exit runs and cuts nothing short.
    for (const std::vector<int>& sent : {std::vector{SIGTERM, SIGTERM}, std::vector{SIGINT}}) {
        velto::test::TempDir home;
        // The playlist cannot be written at exit: its message must not wait for a click.
        ASSERT_TRUE(QDir().mkpath(home.file("playlist.m3u")));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELTO_HOME", home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("VELTO_AUDIO_SINK", "fakesink");
        env.insert("VELTO_VIDEO_SINK", "fakesink");
        program.setProcessEnvironment(env);
        program.start(VELTO_PROGRAM, {});
        ASSERT_TRUE(program.waitForStarted(30000));

        // A first start: the box about the skin opens while the start-up runs.
        QByteArray err;
        ASSERT_TRUE(waitForOutput(program, err, "Previously selected skin not found ()!"))
            << err.toStdString();
        for (const int sig : sent)
            ::kill(static_cast<pid_t>(program.processId()), sig);
        // (One still running is killed as `program` goes.)
        ASSERT_TRUE(program.waitForFinished(60000))
            << "still running after signal " << sent.front();
        err += program.readAllStandardError();
        EXPECT_TRUE(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0);
        EXPECT_TRUE(home.read("morvanix.ini").contains("default.skin")) << err.toStdString();
        EXPECT_TRUE(err.contains("Unable to write Playlist!")) << err.toStdString();
    }
}
