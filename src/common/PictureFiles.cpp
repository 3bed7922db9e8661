#include "common/PictureFiles.h"

#include "common/PathNames.h"

#include <QDir>
#include <QFileInfo>

namespace velto {

const QStringList& FolderFiles::Names() const {
    if (!names_) {
        const QDir dir(folder_.isEmpty() ? QStringLiteral(".") : folder_);
        names_ = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    return *names_;
}

QString FolderFiles::PathOf(const QString& name) const { return folder_ + name; }

QString FolderFiles::Find(const QString& name) const {
    if (name.isEmpty()) return {};
    if (IsFile(PathOf(name))) return PathOf(name);
    for (const QString& entry : Names()) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return PathOf(entry);
    }
    return {};
}

QString FindPic(const QString& base) {
    const QString b = base.trimmed();
    const QString name = FileOnly(b);
    if (name.isEmpty()) return {};
    const FolderFiles folder(PathOnly(b));
    QString result;
    for (const char* ext : {".BMP", ".GIF", ".JPG"}) {
        if (QString found = folder.Find(name + QLatin1String(ext)); !found.isEmpty())
            result = found;
    }
    if (!result.isEmpty()) return result;
    for (const char* ext : {".jpeg", ".png"}) {
        if (QString found = folder.Find(name + QLatin1String(ext)); !found.isEmpty())
            result = found;
    }
    return result;
}

bool HasPictureExtension(const QString& name) {
    const QString file = FileOnly(name);
    if (!file.contains(u'.')) return false;
    const QString ext = FileExt(file).toLower();
    return ext == u"bmp" || ext == u"gif" || ext == u"jpg" || ext == u"jpeg" || ext == u"png";
}

bool IsFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

} // namespace velto
