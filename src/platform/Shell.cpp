#include "platform/Shell.h"

#include <QProcess>
#include <QStandardPaths>

namespace velto {

QString SystemShell::FindProgram(const QString& name) const {
    return QStandardPaths::findExecutable(name);
}

bool SystemShell::Start(const QString& program, const QStringList& args) {
    return QProcess::startDetached(program, args);
}

} // namespace velto
