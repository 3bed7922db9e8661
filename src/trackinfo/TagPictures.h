#pragma once
#include <QByteArray>
#include <QString>

// The TagLib module's entry: the encoded picture inside the regular file at
// `path` into `picture`; false when it holds none. The caller makes sure it
// is a regular file: TagLib would block on a FIFO named like a music file.
extern "C" bool velto_embedded_picture(const QString& path, QByteArray& picture);
