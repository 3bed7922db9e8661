#pragma once
#include <QString>
#include <QStringList>

#include <functional>

namespace velto {

struct CommandLine {
    enum class Action { Items, Help, Version };
    Action action = Action::Items;
    QStringList items; // each goes to the playlist in order; empty: none

    // `args` excludes the program name. `exists` tells whether a path names a
    // file or folder.
    static CommandLine Parse(const QStringList& args,
                             const std::function<bool(const QString&)>& exists);
    static QString Usage();
    // What `exists` is in the program: a file or a folder on disk.
    static bool OnDisk(const QString& path);
};

} // namespace velto
