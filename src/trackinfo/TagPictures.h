#pragma once
#include <QByteArray>
#include <QString>

// The TagLib module's entry: the encoded picture inside the music file at
// `path` into `picture`; false when it holds none.
extern "C" bool velto_embedded_picture(const QString& path, QByteArray& picture);
