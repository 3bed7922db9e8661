#include "ui/QuitSignals.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace velto {

namespace {
int sockets[2] = {-1, -1}; // the handler writes to [0], the notifier reads [1]
volatile std::sig_atomic_t quitting = 0;

void onSignal(int) {
    const int saved = errno;
    quitting = 1;
    // Non-blocking: with the socket full, the bytes already there do the work.
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(sockets[0], &c, 1);
    errno = saved;
}

bool nonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}
} // namespace

bool QuitSignals::Install() {
    if (sockets[0] >= 0) return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) return false;
    if (!nonBlocking(sockets[0]) || !nonBlocking(sockets[1])) return false;
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    // A second signal, while the exit writes run, lands here too and changes
    // nothing: the writes are never cut short.
    return ::sigaction(SIGTERM, &sa, nullptr) == 0 && ::sigaction(SIGINT, &sa, nullptr) == 0;
}

bool QuitSignals::Quitting() { return quitting != 0; }

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    if (sockets[1] < 0) return;
    notifier_ = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::OnSignal);
}

void QuitSignals::OnSignal() {
    char bytes[64];
    while (::read(sockets[1], bytes, sizeof bytes) > 0) {
    }
    // A dialog's own loop returns as if cancelled; the code after it goes on
    // with start-up or shut-down, and opens no further dialog.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
            dialog->reject();
    }
    QCoreApplication::quit();
}

} // namespace velto
