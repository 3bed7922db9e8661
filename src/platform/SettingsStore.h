#pragma once
// The per-user key/value store, addressed by application, section and key.
// Keys are matched without regard to case.
#include <QString>

namespace velto {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the key is absent.
    virtual QString GetSetting(const QString& app, const QString& section, const QString& key,
                               const QString& fallback) = 0;
    // Keeps the text for the next Sync (and for GetSetting at once); an
    // existing key keeps its stored spelling.
    virtual void SaveSetting(const QString& app, const QString& section, const QString& key,
                             const QString& text) = 0;
    // Writes what was saved since the last Sync, in one write per file. False
    // when it could not be written; the file on disk is then the old one.
    virtual bool Sync() = 0;
};

} // namespace velto
