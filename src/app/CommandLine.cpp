#include "app/CommandLine.h"

#include "common/PathNames.h"

namespace velto {

namespace {
QString stripQuotes(const QString& s) {
    if (s.size() >= 2 && s.startsWith(u'"') && s.endsWith(u'"')) return s.mid(1, s.size() - 2);
    return s;
}
} // namespace

CommandLine CommandLine::Parse(const QStringList& args,
                               const std::function<bool(const QString&)>& exists) {
    CommandLine cl;
    if (args.isEmpty()) return cl;
    if (args.size() == 1) {
        const QString& a = args.front();
        if ((a == QStringLiteral("--help") || a == QStringLiteral("-h")) && !exists(a)) {
            cl.action = Action::Help;
            return cl;
        }
        if (a == QStringLiteral("--version") && !exists(a)) {
            cl.action = Action::Version;
            return cl;
        }
        const QString item = stripQuotes(a);
        if (!item.isEmpty()) cl.items << item;
        return cl;
    }
    // A name with blanks may arrive split by a shell or a launcher that did
    // not quote it; a file manager passes each dropped file separately.
    const QString joined = stripQuotes(args.join(u' '));
    if (exists(joined)) {
        cl.items << joined;
        return cl;
    }
    for (const QString& a : args) {
        const QString item = stripQuotes(a);
        if (!item.isEmpty()) cl.items << item;
    }
    return cl;
}

bool CommandLine::OnDisk(const QString& path) { return FileExists(path) || IsDirectory(path); }

QString CommandLine::Usage() {
    return QStringLiteral(
        "Usage: velto [ITEM...]\n"
        "Starts the Velto media player. ITEM is a media file, a folder or a playlist\n"
        "(.m3u, .pls); it is added to the playlist and played. Several items are\n"
        "added in order and playback starts at the first. When Velto already runs\n"
        "on the same user folder, the items go to that player, which adds them and\n"
        "plays the first; without items its window comes forward.\n"
        "\n"
        "  --help     show this text\n"
        "  --version  show the version\n"
        "\n"
        "Settings: $VELTO_HOME/morvanix.ini, else ~/.config/morvanix/morvanix.ini\n"
        "Playlist and schedule: $VELTO_HOME, else ~/.local/share/velto\n"
        "\n"
        "Environment:\n"
        "  VELTO_HOME        folder for the settings, the last playlist and the schedule\n"
        "  VELTO_AUDIO_SINK  GStreamer audio output, e.g. \"pulsesink\" or \"fakesink sync=true\"\n"
        "                    (default autoaudiosink)\n"
        "  VELTO_VIDEO_SINK  GStreamer video output (default autovideosink)\n"
        "  VELTO_MODULE_DIR  folder searched first for the player's modules\n");
}

} // namespace velto
