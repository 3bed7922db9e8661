#include "trackinfo/Genres.h"

namespace velto {

const QStringList& GenreNames() {
    // clang-format off
    static const QStringList names = {
        "Unknown", "Blues", "Classic Rock", "Country", "Dance",
        "Disco", "Funk", "Grunge", "Hip-Hop", "Jazz",
        "Metal", "New Age", "Oldies", "Other", "Pop",
        "R&B", "Rap", "Reggae", "Rock", "Techno",
        "Industrial", "Alternative", "Ska", "Death Metal", "Pranks",
        "Soundtrack", "Euro-Techno", "Ambient", "Trip-Hop", "Vocal",
        "Jazz+Funk", "Fusion", "Trance", "Classical", "Intrumental",
        "Acid", "House", "Game", "Sound Clip", "Gospel",
        "Noise", "Alternate Rock", "Bass", "Soul", "Punk",
        "Space", "Meditative", "Intrumental Pop", "Intrumental Rock", "Ethnic",
        "Gothic", "Darkwave", "Techno-Industrial", "Electronic", "Pop-Folk",
        "Eurodance", "Dream", "Southern Rock", "Comedy", "Cult",
        "Gangsta", "Top 40", "Christian Rap", "Pop/Funk", "Jungle",
        "Native American", "Cabaret", "New Wave", "Psychadelic", "Rave",
        "Showtunes", "Trailer", "Lo-Fi", "Tribal", "Acid Punk",
        "Acid Jazz", "Polka", "Retro", "Musical", "Rock & Roll",
        "Hard Rock"};
    // clang-format on
    return names;
}

int GenreEntry(int genreByte) {
    const int entry = genreByte + 1;
    return entry >= 1 && entry <= 80 ? entry : 0;
}

int GenreByte(int entry) { return entry >= 1 && entry <= 80 ? entry - 1 : 254; }

} // namespace velto
