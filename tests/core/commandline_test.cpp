#include "app/CommandLine.h"

#include <QSet>

#include <gtest/gtest.h>

using velto::CommandLine;

namespace {
auto existing(QSet<QString> names) {
    return [names](const QString& p) { return names.contains(p); };
}
} // namespace

TEST(CommandLine, OneArgumentIsOneItemWithSurroundingQuotesRemoved) {
    auto cl = CommandLine::Parse({}, existing({}));
    EXPECT_TRUE(cl.items.isEmpty());
    cl = CommandLine::Parse({"\"/m/My Song.mp3\""}, existing({}));
    EXPECT_EQ(cl.items, QStringList({"/m/My Song.mp3"}));
    cl = CommandLine::Parse({"/m/a \"b\".mp3"}, existing({}));
    EXPECT_EQ(cl.items, QStringList({"/m/a \"b\".mp3"}));
}

TEST(CommandLine, SeveralArgumentsJoinWhenTheyNameOneFileElseEachIsAnItem) {
    auto cl = CommandLine::Parse({"/m/My", "Song.mp3"}, existing({"/m/My Song.mp3"}));
    EXPECT_EQ(cl.items, QStringList({"/m/My Song.mp3"}));
    cl = CommandLine::Parse({"/m/a.mp3", "/m/b.mp3", "/m/c"}, existing({"/m/a.mp3"}));
    EXPECT_EQ(cl.items, QStringList({"/m/a.mp3", "/m/b.mp3", "/m/c"}));
}

TEST(CommandLine, HelpAndVersionUnlessAFileHasThatName) {
    EXPECT_EQ(CommandLine::Parse({"--help"}, existing({})).action, CommandLine::Action::Help);
    EXPECT_EQ(CommandLine::Parse({"--version"}, existing({})).action, CommandLine::Action::Version);
    const auto cl = CommandLine::Parse({"--help"}, existing({"--help"}));
    EXPECT_EQ(cl.action, CommandLine::Action::Items);
    EXPECT_EQ(cl.items, QStringList({"--help"}));
}
