#include "platform/IniSettingsStore.h"

#include "common/PathNames.h"
#include "common/TextFiles.h"

#include <QDir>
#include <QFileInfo>
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

// A FIFO would block QSettings in open(), a device would be read without end.
bool mayOpen(const QString& path) { return !QFileInfo::exists(path) || IsRegularFile(path); }

std::unique_ptr<QSettings> openIni(const QString& path) {
    if (!mayOpen(path)) return nullptr;
    auto ini = std::make_unique<QSettings>(path, QSettings::IniFormat);
    ini->setAtomicSyncRequired(true); // through a temporary file, never in place
    return ini;
}
} // namespace

IniSettingsStore::IniSettingsStore(QString folder) : folder_(std::move(folder)) {}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::FilePath(const QString& app) const {
    QString folder = folder_;
    if (folder.isEmpty()) folder = qEnvironmentVariable("VELTO_HOME");
    if (folder.isEmpty()) {
        folder =
            JoinPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), app);
    }
    return JoinPath(folder, app + QStringLiteral(".ini"));
}

QSettings* IniSettingsStore::Open(const QString& app) {
    auto it = open_.find(app);
    if (it != open_.end()) return it->second.get();
    std::unique_ptr<QSettings> ini = openIni(FilePath(app));
    if (!ini) return nullptr; // looked at again next time
    return open_.emplace(app, std::move(ini)).first->second.get();
}

QString IniSettingsStore::GetSetting(const QString& app, const QString& section, const QString& key,
                                     const QString& fallback) {
    const auto saved = pending_.find(app);
    if (saved != pending_.end()) {
        for (auto p = saved->second.rbegin(); p != saved->second.rend(); ++p) {
            if (p->section == section && p->key.compare(key, Qt::CaseInsensitive) == 0)
                return p->text;
        }
    }
    QSettings* ini = Open(app);
    if (!ini) return fallback;
    ini->beginGroup(section);
    const QString k = storedKey(*ini, key);
    const QVariant value = ini->contains(k) ? ini->value(k) : QVariant();
    ini->endGroup();
    if (!value.isValid()) return fallback;
    // A hand-written value with a comma and no quotes reads as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
    return value.toString();
}

void IniSettingsStore::SaveSetting(const QString& app, const QString& section, const QString& key,
                                   const QString& text) {
    pending_[app].push_back({section, key, text});
}

bool IniSettingsStore::Sync() {
    bool ok = true;
    for (auto it = pending_.begin(); it != pending_.end();) {
        if (WriteApp(it->first, it->second)) {
            it = pending_.erase(it);
        } else {
            ok = false; // kept for the next Sync
            ++it;
        }
    }
    return ok;
}

bool IniSettingsStore::WriteApp(const QString& app, const std::vector<Pending>& saved) {
    const QString path = FilePath(app);
    // A fresh object: its status then tells about this write only.
    open_.erase(app);
    QDir().mkpath(PathOnly(path));
    std::unique_ptr<QSettings> ini = openIni(path);
    if (!ini) return false;
    for (const Pending& p : saved) {
        ini->beginGroup(p.section);
        ini->setValue(storedKey(*ini, p.key), p.text);
        ini->endGroup();
    }
    ini->sync();
    // A FormatError is about what was read; only AccessError is a failed write.
    return ini->status() != QSettings::AccessError;
}

} // namespace velto
