// Settings from memory: "key=value" lines as the store hands them over, read
// into the settings, and each value through the number conversions.
#include "common/Numbers.h"
#include "common/TextFiles.h"
#include "fuzz/FuzzTarget.h"
#include "platform/SettingsStore.h"
#include "state/Settings.h"

#include <QMap>

using namespace velto;

namespace {

class LineStore : public SettingsStore {
public:
    QString GetSetting(const QString&, const QString&, const QString& key,
                       const QString& fallback) override {
        return values.value(key.toLower(), fallback);
    }
    void SaveSetting(const QString&, const QString&, const QString&, const QString&) override {}
    bool Sync() override { return true; }
    QMap<QString, QString> values;
};

} // namespace

VELTO_FUZZ_TARGET(settings) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    LineStore store;
    for (const QString& line : SplitLines(DecodeText(bytes))) {
        const qsizetype eq = line.indexOf(u'=');
        const QString value = line.mid(eq + 1);
        if (eq > 0) store.values.insert(line.left(eq).trimmed().toLower(), value);
        LeadingNumber(value);
        TextToInt16(value, -1);
        TextToInt32(value, -1);
    }
    Settings settings;
    settings.Read(store, 0, 0);
    settings.ReadLastTrack(store);
    settings.Write(store);
    return 0;
}
