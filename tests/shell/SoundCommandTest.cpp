#include "common/SoundCommand.h"

#include <gtest/gtest.h>

namespace {

TEST(SoundCommand, OpenTakesTheWholePathUpToTheLastTypeClause) {
    const auto open = ParseSoundCommand(
        "open /home/a b/type MPEGVideo alias x/Click 1.wav type MPEGVideo alias Click");
    ASSERT_TRUE(open);
    EXPECT_EQ(open->verb, "open");
    EXPECT_EQ(open->path, "/home/a b/type MPEGVideo alias x/Click 1.wav");
    EXPECT_EQ(open->alias, "Click");

    EXPECT_FALSE(ParseSoundCommand("open  type MPEGVideo alias "));
    EXPECT_FALSE(ParseSoundCommand("open /a.wav alias bg1"));
}

TEST(SoundCommand, PlayStopCloseAndVolume) {
    EXPECT_TRUE(ParseSoundCommand("play bg2 repeat")->repeat);
    EXPECT_FALSE(ParseSoundCommand("play Click from 0")->repeat);
    EXPECT_EQ(ParseSoundCommand("setaudio bg1 volume to 50")->volume, 50);
    EXPECT_EQ(ParseSoundCommand("stop bg0")->alias, "bg0");
    for (const char* odd : {"", "play Click", "play Click from 5", "stop a b", "pause bg1",
                            "setaudio bg1 volume 50", "setaudio bg1 volume to x"}) {
        EXPECT_FALSE(ParseSoundCommand(odd)) << odd;
    }
}

} // namespace
