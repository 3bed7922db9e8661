// The fuzz targets' seed corpora replayed through the functions the fuzzers
// call (fuzz/*_fuzz.cpp): under the sanitizers, every reader on every form of
// its input that the tests know.
#include "fuzz/FuzzTarget.h"

#include <QDirIterator>

#include <gtest/gtest.h>

TEST(FuzzSeeds, EveryTargetReadsEveryFileOfItsCorpus) {
    ASSERT_EQ(velto::fuzz::Targets().size(), 6u);
    for (const auto& [name, run] : velto::fuzz::Targets()) {
        int files = 0;
        for (QDirIterator it(VELTO_FUZZ_CORPUS "/" + QString::fromStdString(name), QDir::Files);
             it.hasNext(); ++files) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            run(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
        }
        EXPECT_GE(files, 2) << name;
    }
}
