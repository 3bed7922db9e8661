#include "trackinfo/EmbeddedPicture.h"

#include "common/PathNames.h"
#include "common/PictureFiles.h"
#include "platform/Modules.h"
#include "trackinfo/TagPictures.h"

#include <QStringList>

#include <mutex>

namespace velto {

std::optional<QByteArray> EmbeddedPicture(const QString& path) {
    // TagLib would block on a FIFO named like a music file; and a name that
    // is no file needs no module.
    if (!IsFile(path)) return std::nullopt;
    QString problem;
    auto read = reinterpret_cast<decltype(&velto_embedded_picture)>(
        ModuleSymbol("taglib", "velto_embedded_picture", &problem));
    if (!read) {
        static std::once_flag told;
        std::call_once(told, [&problem] {
            qWarning("No covers inside music files: %s", qUtf8Printable(problem));
        });
        return std::nullopt;
    }
    QByteArray picture;
    if (!read(path, picture)) return std::nullopt;
    return picture;
}

bool CarriesPictureTags(const QString& path) {
    const QString file = FileOnly(path);
    if (!file.contains(u'.') || HasUrlScheme(path)) return false;
    static const QStringList types = {"FLAC", "OGG", "OGA", "OPUS", "SPX", "M4A", "M4B"};
    return types.contains(FileExt(file).toUpper());
}

QString EmbeddedPictureKey(const QString& path) {
    return path + QChar(u'\0') + QStringLiteral("embedded");
}

} // namespace velto
