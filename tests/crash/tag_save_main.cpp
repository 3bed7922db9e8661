// Saves an ID3v1 tag the way the Track Info window does, for the crash test,
// which kills this program at random moments while it writes.
// Usage: velto_tag_save FILE TITLE
#include "trackinfo/Id3v1File.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: velto_tag_save FILE TITLE\n", stderr);
        return 2;
    }
    const velto::TagForm form{args.at(2), "Artist", "Album", "2024", "Comment", "1", 1};
    const velto::TagSaveOutcome outcome = velto::SaveIDTag(args.at(1), form);
    const auto message = velto::TagSaveMessage(outcome);
    std::puts(message ? qPrintable(*message) : "(too short)");
    return outcome == velto::TagSaveOutcome::Added || outcome == velto::TagSaveOutcome::Updated ? 0
                                                                                                : 1;
}
