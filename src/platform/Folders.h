#pragma once
#include <QString>

namespace velto {

// Where the player reads its resources and keeps its own files.
struct Folders {
    // Read-only resources (default.skin, nocover.bmp, documentation): the
    // executable's folder, or ../share/velto beside it when installed.
    QString program;
    // Files the player writes (playlist.m3u, autolist.txt): $VELTO_HOME, else
    // ~/.local/share/velto.
    QString user;

    static Folders FromEnvironment(const QString& executableFolder);
};

} // namespace velto
