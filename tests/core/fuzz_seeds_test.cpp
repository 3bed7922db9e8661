// The fuzz targets' seed corpora replayed through the same functions the
// fuzzers call (fuzz/*_fuzz.cpp): under the sanitizers this is each reader on
// every form of its input the tests know.
#include "fuzz/FuzzTarget.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(FuzzSeeds, EveryTargetReadsEveryFileOfItsCorpus) {
    const auto& targets = velto::fuzz::Targets();
    EXPECT_EQ(targets.size(), 6u);
    for (const auto& [name, run] : targets) {
        const QDir corpus(QStringLiteral(VELTO_FUZZ_CORPUS "/") + QString::fromStdString(name));
        const QStringList files = corpus.entryList(QDir::Files);
        EXPECT_GE(files.size(), 2) << name;
        for (const QString& file : files) {
            QFile f(corpus.filePath(file));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
            const QByteArray bytes = f.readAll();
            EXPECT_EQ(
                run(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())), 0);
        }
    }
}
