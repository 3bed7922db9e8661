#pragma once
// Temporary folders and small files for tests.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>

namespace velto::test {

class TempDir {
public:
    TempDir();
    QString path() const { return dir_.path(); }
    // Full path of `name` inside; writes `bytes` there (making folders) when given.
    QString file(const QString& name) const;
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// Writes beyond `bytes` fail, for root too, while this lives.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old), std::signal(SIGXFSZ, handler); }
    void (*handler)(int);
    rlimit old{};
};

// A socket file at `path` (at most 107 bytes), bound while the descriptor is open.
inline int BindSocketFile(const QByteArray& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    path.left(sizeof addr.sun_path - 1).toStdString().copy(addr.sun_path, sizeof addr.sun_path - 1);
    return ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 ? fd : -1;
}

} // namespace velto::test
