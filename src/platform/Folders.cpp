#include "platform/Folders.h"

#include "common/PathNames.h"

#include <QDir>
#include <QFileInfo>

namespace velto {

Folders Folders::FromEnvironment(const QString& executableFolder) {
    Folders f;
    f.program = executableFolder;
    const QString shared = QDir::cleanPath(executableFolder + QStringLiteral("/../share/velto"));
    if (!QFileInfo::exists(JoinPath(executableFolder, QStringLiteral("default.skin"))) &&
        QFileInfo::exists(JoinPath(shared, QStringLiteral("default.skin"))))
        f.program = shared;
    f.user = qEnvironmentVariable("VELTO_HOME");
    if (f.user.isEmpty()) f.user = QDir::homePath() + QStringLiteral("/.local/share/velto");
    QDir().mkpath(f.user);
    return f;
}

} // namespace velto
