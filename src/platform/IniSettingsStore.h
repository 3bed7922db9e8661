#pragma once
#include "platform/SettingsStore.h"

#include <QString>

namespace velto {

// QSettings in INI form: one file per application, one group per section.
// `folder` empty means the default: $VELTO_HOME, else ~/.config/<app>.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(QString folder = QString());
    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& fallback) override;
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& text) override;
    QString FilePath(const QString& app) const;

private:
    QString folder_;
};

} // namespace velto
