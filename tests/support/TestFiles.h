#pragma once
// Temporary folders and small files for tests.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

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

} // namespace velto::test
