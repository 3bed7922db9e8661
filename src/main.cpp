// Velto: starts the main window, runs the player, and shuts down through the
// normal path on window close, SIGTERM or SIGINT.
#include "app/CommandLine.h"
#include "app/Player.h"
#include "common/PathNames.h"
#include "platform/Clock.h"
#include "platform/GstMediaElement.h"
#include "platform/IniSettingsStore.h"
#include "platform/Shell.h"
#include "ui/AppIcon.h"
#include "ui/QtDialogs.h"
#include "ui/frmDromel.h"
#include "ui/options/QtOptionsWindow.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[0], &c, 1);
}

void installSignalHandlers() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}

// The player places its own window, which Wayland does not allow; XWayland does.
void preferX11OnWayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const velto::CommandLine cl =
        velto::CommandLine::Parse(args, [](const QString& p) { return velto::FileExists(p); });
    if (cl.action == velto::CommandLine::Action::Help) {
        std::fputs(velto::CommandLine::Usage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (cl.action == velto::CommandLine::Action::Version) {
        std::printf("Velto %s\n", VELTO_VERSION);
        return 0;
    }

    preferX11OnWayland();
    installSignalHandlers();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velto"));
    QApplication::setWindowIcon(velto::AppIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    QSocketNotifier notifier(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [] {
        char c;
        [[maybe_unused]] const auto n = ::read(signalPipe[1], &c, 1);
        QApplication::quit();
    });

    velto::IniSettingsStore store;
    velto::frmDromel window;
    velto::QtDialogs dialogs(&window);
    velto::SystemClock clock;
    velto::SystemShell shell;
    velto::GstMediaElementFactory media;
    velto::QtOptionsWindow options(&window);
    velto::Player player(
        velto::Ports{store, dialogs, clock, shell,
                     velto::Folders::FromEnvironment(QApplication::applicationDirPath()), media,
                     &window, &options});
    window.AttachPlayer(&player);
    options.AttachPlayer(&player);

    player.Form_Load(args);
    const int rc = QApplication::exec();
    player.Form_Unload();
    return rc;
}
