#pragma once
// A folder of 1,000 playlists, each with a 1000 x 1000 JPEG of its own name,
// made once per run.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace velto::bench {

class CoverFolder {
public:
    static const CoverFolder& Get() {
        static const CoverFolder folder;
        return folder;
    }
    QString path() const { return dir_.path(); }
    static constexpr int kPlaylists = 1000;

private:
    CoverFolder() {
        // Eight pictures with the grain of a photograph (about as large as
        // real covers), written in turn.
        QList<QByteArray> jpegs;
        QRandomGenerator random(19);
        for (int k = 0; k < 8; ++k) {
            QImage image(1000, 1000, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    const int grain = int(random.bounded(48));
                    line[x] = qRgb((x / 4 + k * 30 + grain) % 256, (y / 4 + grain) % 256,
                                   ((x + y) / 8 + k * 60) % 256);
                }
            }
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "JPG", 90);
            jpegs << buffer.data();
        }
        for (int i = 0; i < kPlaylists; ++i) {
            const QString base =
                dir_.path() + QStringLiteral("/Playlist %1").arg(i, 4, 10, QChar(u'0'));
            QFile list(base + ".m3u");
            list.open(QIODevice::WriteOnly);
            list.write("Music/01 - First.mp3\r\nMusic/02 - Second.mp3\r\n");
            QFile cover(base + ".jpg");
            cover.open(QIODevice::WriteOnly);
            cover.write(jpegs.at(i % jpegs.size()));
        }
    }
    QTemporaryDir dir_;
};

} // namespace velto::bench
