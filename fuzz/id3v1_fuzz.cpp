// The end of a file from memory: its ID3v1 tag read, shown in the Track Info
// window's form and made into a tag block again.
#include "fuzz/FuzzTarget.h"
#include "trackinfo/Id3v1.h"

#include <QByteArrayView>

using namespace velto;

VELTO_FUZZ_TARGET(id3v1) {
    const QByteArrayView bytes(data, qsizetype(size));
    const TagFields tag = TagAtEnd(bytes);
    if (bytes.size() >= kId3v1Size) ParseId3v1(bytes.last(kId3v1Size));
    const TagForm form = TagFormOf(tag);
    if (const auto block = Id3v1Block(form)) TagAtEnd(*block);
    TrackNumber(TagFieldText(tag.Comment));
    return 0;
}
