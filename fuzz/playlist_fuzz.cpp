// A playlist file from memory, read both as M3U and as PLS with its entries
// resolved, then written back as M3U.
#include "common/TextFiles.h"
#include "fuzz/FuzzTarget.h"
#include "playlist/PlaylistFiles.h"
#include "state/PlaylistModel.h"

using namespace velto;

VELTO_FUZZ_TARGET(playlist) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = SplitLines(DecodeText(bytes));
    const QString folder = QString::fromLatin1(fuzz::kNoFolder);
    for (const auto& [kind, name] :
         {std::pair{PlaylistKind::M3U, "list.m3u"}, std::pair{PlaylistKind::PLS, "list.pls"}}) {
        const QString file = folder + QLatin1String(name);
        PlaylistModel model;
        model.Append(PlaylistEntries(lines, kind, file, kMaxPlaylistEntries));
        M3uText(model, file);
    }
    return 0;
}
