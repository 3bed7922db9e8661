#include "platform/IniSettingsStore.h"

#include "common/PathNames.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace velto {

namespace {
// The stored spelling of `key` in the group, or `key` itself when absent.
QString storedKey(QSettings& ini, const QString& key) {
    const QStringList keys = ini.childKeys();
    for (const QString& k : keys) {
        if (k.compare(key, Qt::CaseInsensitive) == 0) return k;
    }
    return key;
}
} // namespace

IniSettingsStore::IniSettingsStore(QString folder) : folder_(std::move(folder)) {}

QString IniSettingsStore::FilePath(const QString& app) const {
    QString folder = folder_;
    if (folder.isEmpty()) folder = qEnvironmentVariable("VELTO_HOME");
    if (folder.isEmpty()) {
        folder =
            JoinPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), app);
    }
    return JoinPath(folder, app + QStringLiteral(".ini"));
}

QString IniSettingsStore::GetSetting(const QString& app, const QString& section, const QString& key,
                                     const QString& fallback) {
    QSettings ini(FilePath(app), QSettings::IniFormat);
    ini.beginGroup(section);
    const QString k = storedKey(ini, key);
    if (!ini.contains(k)) return fallback;
    return ini.value(k).toString();
}

void IniSettingsStore::SaveSetting(const QString& app, const QString& section, const QString& key,
                                   const QString& text) {
    const QString path = FilePath(app);
    QDir().mkpath(PathOnly(path));
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(section);
    ini.setValue(storedKey(ini, key), text);
    ini.endGroup();
    ini.sync();
}

} // namespace velto
