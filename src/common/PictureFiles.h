#pragma once
// Finding picture files by name. Names the player makes ("Party" + ".JPG") are
// matched exactly first, else without regard to case, since the pictures were
// often named on systems that ignore case.
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace velto {

// The files of one folder, listed on first need, for lookups by name.
class FolderFiles {
public:
    explicit FolderFiles(QString folder) : folder_(std::move(folder)) {}
    // The path of the file `name` in the folder: the exact name when it is a
    // file, else the first file whose name matches without regard to case;
    // empty when there is none.
    QString Find(const QString& name) const;
    // The file names of the folder (not folders), sorted.
    const QStringList& Names() const;
    QString PathOf(const QString& name) const;

private:
    QString folder_; // with its trailing separator, or empty for the current folder
    mutable std::optional<QStringList> names_;
};

// The picture for a base name (a path without extension): of base & ".BMP",
// ".GIF" and ".JPG", the last that exists; only when none does, of ".jpeg"
// and ".png". Blanks around base are ignored. Empty when none exists.
QString FindPic(const QString& base);

// True for names ending in .bmp, .gif, .jpg, .jpeg or .png, any case.
bool HasPictureExtension(const QString& name);

// True when a regular file (or a link to one) exists at path.
bool IsFile(const QString& path);

} // namespace velto
