// An autolist file from memory: its entries parsed and matched against a few
// days and minutes.
#include "common/TextFiles.h"
#include "fuzz/FuzzTarget.h"
#include "scheduler/AutoEntry.h"
#include "scheduler/AutoListFile.h"
#include "scheduler/ScheduleCheck.h"

using namespace velto;

VELTO_FUZZ_TARGET(autolist) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList entries = AutoListEntries(SplitLines(DecodeText(bytes)));
    for (const QString& entry : entries)
        ParseAutoEntry(entry);
    for (const char* day : {"M", "S", "U"})
        for (const QTime minute : {QTime(0, 0), QTime(7, 30), QTime(23, 59)})
            ScheduleCheck(entries, QLatin1String(day), minute);
    return 0;
}
