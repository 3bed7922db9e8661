#pragma once
#include "platform/SettingsStore.h"

#include <QString>

#include <map>
#include <memory>
#include <vector>

class QSettings;

namespace velto {

// QSettings in INI form: one file per application, one group per section.
// `folder` empty means the default: $VELTO_HOME, else ~/.config/<app>.
// Saved values are kept until Sync, which writes each file once, through a
// temporary file renamed over the old one. A file that is there but is no
// regular file (a FIFO, a device, a folder) is never opened: it reads as
// empty and cannot be written.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(QString folder = QString());
    ~IniSettingsStore() override;
    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& fallback) override;
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& text) override;
    bool Sync() override;
    QString FilePath(const QString& app) const;

private:
    struct Pending {
        QString section, key, text;
    };
    // The open file of `app`, or null when it must not be opened.
    QSettings* Open(const QString& app);
    bool WriteApp(const QString& app, const std::vector<Pending>& saved);

    QString folder_;
    std::map<QString, std::unique_ptr<QSettings>> open_;
    std::map<QString, std::vector<Pending>> pending_; // by application, in saving order
};

} // namespace velto
