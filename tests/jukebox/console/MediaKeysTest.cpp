#include <gtest/gtest.h>

#include "jukebox/console/MediaKeys.h"

namespace brambletune {
namespace {

constexpr std::uint32_t kNextKey = 0xB0, kPlayPauseKey = 0xB3, kLetterA = 0x41;

TEST(MediaKeys, KeysAndApplicationCommandsNameTheFourCommands) {
    EXPECT_EQ(MediaCommandOfKey(0xB3), MediaCommand::kPlayOrPause);
    EXPECT_EQ(MediaCommandOfKey(0xB2), MediaCommand::kStop);
    EXPECT_EQ(MediaCommandOfKey(0xB0), MediaCommand::kNext);
    EXPECT_EQ(MediaCommandOfKey(0xB1), MediaCommand::kPrevious);
    EXPECT_EQ(MediaCommandOfKey(0xAF), MediaCommand::kNone);  // volume up
    EXPECT_EQ(MediaCommandOfAppCommand(14), MediaCommand::kPlayOrPause);
    EXPECT_EQ(MediaCommandOfAppCommand(13), MediaCommand::kStop);
    EXPECT_EQ(MediaCommandOfAppCommand(11), MediaCommand::kNext);
    EXPECT_EQ(MediaCommandOfAppCommand(12), MediaCommand::kPrevious);
    EXPECT_EQ(MediaCommandOfAppCommand(1), MediaCommand::kNone);  // browser back
}

TEST(MediaKeyFilter, EachPressRunsOnce) {
    MediaKeyFilter filter;
    // The key alone (the application command never came): it runs.
    EXPECT_EQ(filter.MessageTaken(true, kNextKey, false), MediaCommand::kNext);
    // The application command made from the press ran first: the key does not.
    filter.AppCommandRan(MediaCommand::kNext, true);
    EXPECT_EQ(filter.MessageTaken(true, kNextKey, false), MediaCommand::kNone);
    // ... and the record is gone with that message: the next press runs.
    EXPECT_EQ(filter.MessageTaken(true, kNextKey, false), MediaCommand::kNext);
    // A command from the mouse or a remote is no key press.
    filter.AppCommandRan(MediaCommand::kNext, false);
    EXPECT_EQ(filter.MessageTaken(true, kNextKey, false), MediaCommand::kNext);
    // A record of another command, or one followed by another message first.
    filter.AppCommandRan(MediaCommand::kStop, true);
    EXPECT_EQ(filter.MessageTaken(true, kPlayPauseKey, false), MediaCommand::kPlayOrPause);
    filter.AppCommandRan(MediaCommand::kNext, true);
    EXPECT_EQ(filter.MessageTaken(false, 0, false), MediaCommand::kNone);
    EXPECT_EQ(filter.MessageTaken(true, kNextKey, false), MediaCommand::kNext);
}

TEST(MediaKeyFilter, RepeatsKeyUpsAndOtherKeysRunNothing) {
    MediaKeyFilter filter;
    EXPECT_EQ(filter.MessageTaken(true, kNextKey, true), MediaCommand::kNone);
    EXPECT_EQ(filter.MessageTaken(false, kNextKey, false), MediaCommand::kNone);
    EXPECT_EQ(filter.MessageTaken(true, kLetterA, false), MediaCommand::kNone);
}

}  // namespace
}  // namespace brambletune
