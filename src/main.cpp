// Velto: starts the main window, runs the player, and shuts down through the
// normal path on window close, SIGTERM or SIGINT.
#include "app/CommandLine.h"
#include "app/Player.h"
#include "common/PathNames.h"
#include "desktop/Desktop.h"
#include "desktop/SingleInstance.h"
#include "platform/Clock.h"
#include "platform/FreedMemory.h"
#include "platform/IniSettingsStore.h"
#include "platform/MediaModule.h"
#include "platform/Shell.h"
#include "ui/AppIcon.h"
#include "ui/QtDialogs.h"
#include "ui/QuitSignals.h"
#include "ui/frmAlbum.h"
#include "ui/frmDromel.h"
#include "ui/frmInfo.h"
#include "ui/options/QtOptionsWindow.h"
#include "ui/selector/QtSelectorWindow.h"
#include "ui/tray/TrayOnDemand.h"

#include <QApplication>

#include <cstdio>

namespace {

// The player places its own window, which Wayland does not allow; XWayland does.
void preferX11OnWayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// The window changes a few small areas several times a second. Sent over the
// X connection they cost less than a shared-memory image, which waits for
// the server on every paint; one already chosen stays. The X connection
// reads it once, as it opens; true when it was set here.
bool paintWithoutSharedMemory() {
    if (qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) return false;
    qputenv("QT_XCB_NO_MITSHM", "1");
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const velto::CommandLine cl = velto::CommandLine::Parse(args, velto::CommandLine::OnDisk);
    if (cl.action == velto::CommandLine::Action::Help) {
        std::fputs(velto::CommandLine::Usage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (cl.action == velto::CommandLine::Action::Version) {
        std::printf("Velto %s\n", VELTO_VERSION);
        return 0;
    }

    preferX11OnWayland();
    const bool setHere = paintWithoutSharedMemory();
    velto::QuitSignals::Install();
    QApplication app(argc, argv);
    if (setHere) qunsetenv("QT_XCB_NO_MITSHM"); // programs started later choose for themselves
    QApplication::setApplicationName(QStringLiteral("Velto"));
    QApplication::setQuitOnLastWindowClosed(false);

    velto::QuitSignals quitSignals;

    const velto::Folders folders =
        velto::Folders::FromEnvironment(QApplication::applicationDirPath());
    velto::SingleInstance instance(folders.user);
    if (const std::optional<int> handed = instance.HandOverOrListen(cl.items)) return *handed;

    velto::IniSettingsStore store;
    velto::frmDromel window;
    velto::QtDialogs dialogs(&window);
    velto::SystemClock clock;
    velto::SystemShell shell;
    velto::ModuleMediaElementFactory media;
    velto::frmAlbum album; // shown only when a cover needs it
    velto::InfoWindowOpener info;
    velto::QtOptionsWindow options(&window);
    velto::QtSelectorWindow selector;
    velto::TrayOnDemand tray; // added at start, removed by Form_Unload
    velto::Player player(velto::Ports{store, dialogs, clock, shell, folders, media, &window, &album,
                                      &info, &options, &selector, &tray});
    window.AttachPlayer(&player);
    info.Attach(&player.InfoForm());
    options.AttachPlayer(&player);
    selector.Attach(&player.Selector());
    tray.AttachPlayer(&player);
    velto::Desktop desktop(player, instance);

    player.Form_Load(args);
    // Every window shows the application icon, decoded once it is on screen.
    window.AfterShown([&desktop] {
        velto::AppIcon();
        desktop.Start();
        velto::ReturnFreedMemory();
    });
    // A signal during start-up ends the program before its loop runs.
    const int rc = velto::QuitSignals::Quitting() ? 0 : QApplication::exec();
    player.Form_Unload();
    return rc;
}
