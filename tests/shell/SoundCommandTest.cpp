#include "common/SoundCommand.h"
#include "support/Joined.h"

#include <gtest/gtest.h>

namespace {

// An open takes the whole path up to the last type clause, spaces and all.
TEST(SoundCommand, OpenPlayStopCloseAndVolume) {
    const auto open = ParseSoundCommand(
        "open /home/a b/type MPEGVideo alias x/Click 1.wav type MPEGVideo alias Click");
    ASSERT_TRUE(open);
    EXPECT_EQ(Joined(open->verb, open->path, open->alias),
              "open /home/a b/type MPEGVideo alias x/Click 1.wav Click");

    EXPECT_TRUE(ParseSoundCommand("play bg2 repeat")->repeat);
    EXPECT_FALSE(ParseSoundCommand("play Click from 0")->repeat);
    EXPECT_EQ(ParseSoundCommand("setaudio bg1 volume to 50")->volume, 50);
    EXPECT_EQ(ParseSoundCommand("stop bg0")->alias, "bg0");
    for (const char* odd : {"", "open  type MPEGVideo alias ", "open /a.wav alias bg1",
                            "play Click", "play Click from 5", "stop a b", "pause bg1",
                            "setaudio bg1 volume 50", "setaudio bg1 volume to x"})
        EXPECT_FALSE(ParseSoundCommand(odd)) << odd;
}

} // namespace
