#pragma once
// The Track Info window's genre list and its mapping to the ID3v1 genre byte.
#include <QStringList>

namespace velto {

// The 81 combo entries: "Unknown" first, then genre bytes 0 to 79.
const QStringList& GenreNames();

// Combo entry of a genre byte: byte + 1, or 0 ("Unknown") for bytes 80 and up.
int GenreEntry(int genreByte);

// Genre byte of a combo entry: entry - 1; 254 for "Unknown" (entry 0) and for
// no selection or anything else outside the list.
int GenreByte(int entry);

} // namespace velto
