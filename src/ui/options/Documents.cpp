#include "ui/options/Documents.h"

#include "common/PathNames.h"
#include "common/TextFiles.h"

#include <QFile>
#include <QFileInfo>

namespace velto {

QString ReadDocument(const QString& folder, const QString& name) {
    const QString path = ResolveCaseInsensitive(JoinPath(folder, name));
    if (!QFileInfo(path).isFile()) return kNoDocument;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return kNoDocument;
    return SplitLines(DecodeText(file.readAll())).join(u'\n');
}

} // namespace velto
