// The playback soak: the player on the real GStreamer element through many
// track changes, with next, previous, seek and stop pressed at moments a
// seeded generator picks, overlap switched on and off, and broken and missing
// entries in the list. It counts the changes and the tracks that overran, and
// compares the process's threads, open files, pipelines and memory before and
// after. Usage: velto_soak [--changes N] [--seed S] [--grace-ms MS] [--rss-kib K]
#include "app/Player.h"
#include "fakes/FakePorts.h"
#include "gst/GstTestMedia.h"
#include "platform/Clock.h"
#include "platform/GstMediaElement.h"
#include "playback/PlaybackEngine.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <malloc.h>

#include <cstdio>
#include <functional>
#include <random>

using namespace velto;

namespace {

int Entries(const char* folder) {
    return int(
        QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
}

// Resident memory after the allocator gave back what it only keeps cached, so
// the figure shows what is still in use.
long RssKib() {
    ::malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

struct Usage {
    int threads = Entries("/proc/self/task"), files = Entries("/proc/self/fd"),
        pipelines = GstMediaElement::LivePipelines();
    long rss = RssKib();
    // Back to where it started: pool threads that ended since the baseline
    // only lower the counts.
    bool NoMoreThan(const Usage& o) const {
        return threads <= o.threads && files <= o.files && pipelines <= o.pipelines;
    }
};

// What the soak watches on the media: each "open" is a track change; a track
// that plays must end, or be left, by its deadline.
struct Watch {
    QElapsedTimer clock;
    int opens = 0, failedOpens = 0, stuck = 0;
    int64_t deadline[2] = {-1, -1}; // by element, ms on `clock`; -1: nothing due
    QString lastOpened;
    int graceMs = 2000;
};

// The real element, with every command seen by the soak.
class WatchedElement : public MediaElement {
public:
    WatchedElement(std::unique_ptr<MediaElement> inner, int index, Watch& watch)
        : inner_(std::move(inner)), deadline_(watch.deadline[index & 1]), w_(watch) {}
    void Command(const QString& command) override {
        MediaElement& e = *inner_;
        e.DeviceType = DeviceType, e.FileName = FileName, e.TimeFormat = TimeFormat;
        e.From = From, e.To = To, e.Wait = Wait, e.Track = Track;
        e.Command(command);
        From = e.From, To = e.To, Wait = e.Wait;
        const QString c = command.toLower();
        if (c == u"open") {
            ++w_.opens;
            if (e.Error() != 0) ++w_.failedOpens;
            w_.lastOpened = FileName;
            deadline_ = -1;
        } else if (c == u"play") {
            // Due by the rest of its length from where it plays now.
            const int64_t rest = std::max(0, e.TrackLength() - e.Position());
            deadline_ = w_.clock.elapsed() + rest + w_.graceMs;
        } else if (c == u"stop" || c == u"close") {
            deadline_ = -1;
        }
    }
    int32_t Error() override { return inner_->Error(); }
    QString ErrorMessage() override { return inner_->ErrorMessage(); }
    int32_t Mode() override { return inner_->Mode(); }
    int32_t Position() override { return inner_->Position(); }
    int32_t TrackLength() override { return inner_->TrackLength(); }
    int32_t TrackPosition() override { return inner_->TrackPosition(); }
    void SetVolume(double level) override { inner_->SetVolume(level); }

private:
    std::unique_ptr<MediaElement> inner_;
    int64_t& deadline_;
    Watch& w_;
};

class WatchedFactory : public MediaElementFactory {
public:
    explicit WatchedFactory(Watch& watch) : w_(watch) {}
    std::unique_ptr<MediaElement> Create(int index) override {
        return std::make_unique<WatchedElement>(real_.Create(index), index, w_);
    }

private:
    GstMediaElementFactory real_;
    Watch& w_;
};

long Arg(const QStringList& args, const QString& name, long fallback) {
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toLong() : fallback;
}

// Runs events until `done`, for at most `ms`.
bool RunUntil(const std::function<bool()>& done, int ms) {
    QDeadlineTimer limit(ms);
    while (!done()) {
        if (limit.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    test::UseQuietSinks();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int changes = int(Arg(args, "--changes", 2000));
    const auto seed = uint32_t(Arg(args, "--seed", 1));
    const long rssLimitKib = Arg(args, "--rss-kib", 5 * 1024);

    // Short tracks, a broken file, a file the player cannot read as audio,
    // and one that is gone.
    test::TempDir dir;
    std::vector<PlaylistEntry> list;
    for (int i = 0; i < 8; ++i) {
        const QString name = QStringLiteral("tone%1.wav").arg(i);
        list.push_back({name, dir.write(name, test::WavTone(300 + 100 * i))});
    }
    list.insert(list.begin() + 3, {"broken", dir.write("broken.wav", QByteArray(4000, '\x7f'))});
    list.insert(list.begin() + 6, {"junk", dir.write("junk.mp3", QByteArray(2000, '\0'))});
    list.insert(list.begin() + 9, {"gone", dir.file("gone.wav")});

    Watch watch;
    watch.graceMs = int(Arg(args, "--grace-ms", 2000));
    watch.clock.start();
    test::FakeSettingsStore store;
    test::FakeDialogs dialogs;
    SystemClock clock;
    test::FakeShell shell;
    WatchedFactory media(watch);
    auto player = std::make_unique<Player>(
        Ports{store, dialogs, clock, shell, Folders{dir.path(), dir.path()}, media});
    Player& p = *player;
    p.playlist.Append(std::vector<PlaylistEntry>(list));

    std::mt19937 generator(seed);
    const auto chance = [&](int percent) { return int(generator() % 100) < percent; };
    const auto pause = [&](int most) { return int(generator() % uint32_t(most)); };
    int presses = 0, halts = 0, missing = 0;
    bool stoppedByUs = false;

    // One step of the generator: something a user might press, now and then.
    QTimer presser;
    presser.setSingleShot(true);
    QObject::connect(&presser, &QTimer::timeout, [&] {
        ++presses;
        const int pick = pause(100);
        if (p.Playing == 0) {
            stoppedByUs = false;
            p.TNum = int16_t(p.TNum + 1), p.PlayIt();
        } else if (pick < 25) {
            p.NextTrack();
        } else if (pick < 40) {
            p.PrevTrack();
        } else if (pick < 60) {
            p.PlayFrom(p.SongLen > 0 ? pause(std::max(1, p.SongLen)) : 0);
        } else if (pick < 70) {
            stoppedByUs = true;
            p.StopIt();
        } else if (pick < 80) {
            p.settings.PBOverlap = chance(50) ? int16_t(0) : int16_t(50 + pause(150));
        }
        presser.start(50 + pause(900));
    });
    // A list that stopped by itself (a broken or missing entry) is taken on
    // by the next press; an overrun track is counted once.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (p.Playing == 0 && !stoppedByUs) {
            ++halts;
            // A missing file is never opened: its change is counted here.
            if (p.SongPath != watch.lastOpened) ++missing;
            stoppedByUs = true;
            if (presser.remainingTime() > 300) presser.start(pause(300));
        }
        int64_t& due = watch.deadline[p.PlayUnit & 1];
        if (p.Playing != 0 && due >= 0 && watch.clock.elapsed() > due) {
            ++watch.stuck;
            std::fprintf(stderr, "overran: %s\n", qPrintable(p.SongPath));
            due = -1;
        }
        dialogs.messages.clear(); // the broken entries' messages
    });

    // The first tracks load the plugins and the process-wide pools: the
    // counts are taken after them, with everything closed.
    p.TNum = 1, p.PlayIt();
    RunUntil([&] { return watch.opens >= 4 && p.Playing == 0; }, 60000);
    p.StopIt(), p.CloseElement(0), p.CloseElement(1);
    RunUntil([] { return GstMediaElement::LivePipelines() == 0; }, 10000);
    const Usage before;
    const int firstOpen = watch.opens;
    watch.failedOpens = 0;

    p.TNum = 1, p.PlayIt();
    presser.start(200);
    watchdog.start(50);
    const bool ran =
        RunUntil([&] { return watch.opens - firstOpen + missing >= changes; }, changes * 5000);
    presser.stop(), watchdog.stop();
    p.StopIt(), p.CloseElement(0), p.CloseElement(1);
    Usage after;
    // Streaming threads end a moment after their pipeline.
    RunUntil([&] { return (after = Usage()).NoMoreThan(before); }, 15000);

    std::printf("changes %d (opened %d, of which failed %d; missing %d), halts %d, presses %d, "
                "stuck %d\n",
                watch.opens - firstOpen + missing, watch.opens - firstOpen, watch.failedOpens,
                missing, halts, presses, watch.stuck);
    std::printf("threads %d -> %d, open files %d -> %d, pipelines %d -> %d, RSS %ld -> %ld KiB "
                "(%+ld)\n",
                before.threads, after.threads, before.files, after.files, before.pipelines,
                after.pipelines, before.rss, after.rss, after.rss - before.rss);
    const bool ok = ran && watch.stuck == 0 && after.NoMoreThan(before) &&
                    (rssLimitKib < 0 || after.rss - before.rss < rssLimitKib);
    std::printf("%s\n", ok ? "soak: PASS" : "soak: FAIL");
    return ok ? 0 : 1;
}
