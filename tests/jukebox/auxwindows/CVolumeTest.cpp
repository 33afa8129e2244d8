#include "jukebox/windows/CVolume.h"

#include <gtest/gtest.h>

#include "jukebox/auxwindows/FakeMixer.h"

namespace brambletune {
namespace {

TEST(VolumeScale, WritesRoundHalvesToEvenAndReadsDivideBy655) {
    EXPECT_EQ(FaderFromPercent(50), 32768u);  // 32767.5: the even neighbour
    EXPECT_EQ(FaderFromPercent(100), 65535u);
    EXPECT_EQ(FaderFromPercent(0), 0u);
    EXPECT_EQ(FaderFromPercent(1), 655u);     // 655.35
    EXPECT_EQ(FaderFromPercent(10), 6554u);   // 6553.5: the even neighbour
    EXPECT_EQ(FaderFromPercent(30), 19660u);  // 19660.5: the even neighbour
    EXPECT_EQ(FaderFromPercent(-5), 0u);
    EXPECT_EQ(FaderFromPercent(250), 65535u);
    EXPECT_EQ(PercentFromFader(654), 0);
    EXPECT_EQ(PercentFromFader(655), 1);
    EXPECT_EQ(PercentFromFader(49151), 75);  // three quarters of the full scale
    EXPECT_EQ(PercentFromFader(65535), 100);
}

TEST(VolumeScale, EveryPercentageReadsBackUnchanged) {
    for (std::int32_t percent = 0; percent <= 100; ++percent)
        EXPECT_EQ(PercentFromFader(FaderFromPercent(percent)), percent) << percent;
}

TEST(CVolume, ReadsAndSetsTheSpeakersFaderAndClosesTheMixerWhenDestroyed) {
    FakeMixer mixer;
    mixer.fader = 49151;
    {
        CVolume volume(mixer);
        EXPECT_EQ(volume.Value(), 75);
        volume.SetValue(0);
        volume.SetValue(100);
        EXPECT_EQ(mixer.written, (std::vector<std::uint32_t>{0, 65535}));
        mixer.fader = 654;  // another program turned it down
        EXPECT_EQ(volume.Value(), 0);
        EXPECT_EQ(mixer.closes, 0);
    }
    EXPECT_EQ(mixer.opens, 1);
    EXPECT_EQ(mixer.closes, 1);
}

TEST(CVolume, WithoutAMixerOrASpeakersVolumeTheValueOnlyFollowsItsWrites) {
    for (const bool device : {false, true}) {
        FakeMixer mixer;
        mixer.hasDevice = device;
        mixer.hasSpeakersVolume = false;
        mixer.fader = 49151;
        {
            CVolume volume(mixer);
            EXPECT_EQ(volume.Value(), 0);
            volume.SetValue(50);
            EXPECT_EQ(volume.Value(), 50);
        }
        EXPECT_TRUE(mixer.written.empty());
        EXPECT_EQ(mixer.fader, 49151u);
        // Only an opened mixer is closed.
        EXPECT_EQ(mixer.closes, device ? 1 : 0);
    }
}

}  // namespace
}  // namespace brambletune
