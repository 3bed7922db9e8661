#pragma once
// Temporary folders and small files for tests.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

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

} // namespace velto::test
