#include "common/PathNames.h"

#include "common/Numbers.h"

#include <QDir>
#include <QFileInfo>

namespace velto {

namespace {
bool isSeparator(QChar c) { return c == u'/' || c == u'\\'; }

qsizetype lastSeparator(QStringView s) {
    return std::max(s.lastIndexOf(u'/'), s.lastIndexOf(u'\\'));
}
} // namespace

QString FileExt(const QString& s) {
    const auto dot = s.lastIndexOf(u'.');
    return dot < 0 ? s : s.mid(dot + 1);
}

QString NoExt(const QString& s) {
    const auto dot = s.lastIndexOf(u'.');
    return dot < 0 ? s : s.left(dot);
}

QString FileOnly(const QString& s) {
    const auto sep = lastSeparator(s);
    return sep < 0 ? s : s.mid(sep + 1);
}

QStringView FileOnly(QStringView s) { return s.mid(lastSeparator(s) + 1); }

QString PathOnly(const QString& s) {
    const auto sep = lastSeparator(s);
    return sep < 0 ? QString() : s.left(sep + 1);
}

QString AddSlash(const QString& s) {
    if (s.isEmpty() || isSeparator(s.back())) return s;
    return s + u'/';
}

bool IsPic(const QString& s) {
    return s.endsWith(u".BMP", Qt::CaseInsensitive) || s.endsWith(u".GIF", Qt::CaseInsensitive) ||
           s.endsWith(u".JPG", Qt::CaseInsensitive);
}

// Only a regular file (or a link to one) can be read as a file: a folder is
// not one, and a FIFO or device would block or never end. No file name holds
// a NUL; one read from a binary playlist is not asked about.
bool FileExists(const QString& s) {
    return !s.isEmpty() && !s.contains(QChar(0)) && QFileInfo(s).isFile();
}

bool IsDirectory(const QString& s) { return !s.isEmpty() && QFileInfo(s).isDir(); }

// A letter, then at least one letter, digit, "+", "." or "-", then "://":
// "C://" is a drive, not a scheme. Asked for every entry of a long list.
bool HasUrlScheme(const QString& s) {
    const auto letter = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    };
    if (s.isEmpty() || !letter(s.front())) return false;
    qsizetype i = 1;
    while (i < s.size() && (letter(s[i]) || (s[i] >= u'0' && s[i] <= u'9') || s[i] == u'+' ||
                            s[i] == u'.' || s[i] == u'-'))
        ++i;
    return i >= 2 && QStringView(s).mid(i).startsWith(u"://");
}

QString NiceName(const QString& input) {
    const qsizetype len = input.size();
    qsizetype end = len; // exclusive, 0-based
    qsizetype begin = 0;
    for (qsizetype i = 0; i < len; ++i) {
        const QChar c = input.at(i);
        // A dot among the last five characters starts the extension.
        if (c == u'.' && i + 1 > len - 5)
            end = i;
        else if (isSeparator(c))
            begin = i + 1;
    }
    if (end <= begin) return QString();
    // Only the name itself is copied: a playlist holds tens of thousands.
    QString name = input.mid(begin, end - begin);
    for (qsizetype k = 0; k < name.size(); ++k) {
        const QChar c = name.at(k);
        if (c == u'_' || (c == u'.' && begin + k + 1 <= len - 5)) name[k] = u' ';
    }
    if (LeadingNumber(name) > 0) {
        if (name.size() >= 3 && name.at(2) == u'-') name = name.mid(3);
        if (name.size() >= 4 && QStringView(name).mid(2, 2) == u" -") name = name.mid(4);
    }
    return std::move(name).trimmed();
}

QString ResolveCaseInsensitive(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path)) return path;
    const QString folder = PathOnly(path);
    const QString name = FileOnly(path);
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return folder + entry;
    }
    return path;
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    return AddSlash(folder) + name;
}

} // namespace velto
