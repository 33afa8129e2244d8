// Hand-overs wait for the console: until it has loaded, while one runs, while a box is open.
#include "jukebox/console/HandOverQueue.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace brambletune {
namespace {

struct Console {
    std::vector<std::string> started;
    bool boxOpen = false;
    std::function<void(const std::string&)> whileStarting;
    HandOverQueue queue{[this](const std::string& path) {
                            started.push_back(path);
                            if (whileStarting) std::exchange(whileStarting, nullptr)(path);
                        },
                        [this] { return boxOpen; }};
};

TEST(HandOverQueueTest, HandOversWaitUntilTheConsoleIsReadyAndNoBoxIsOpen) {
    Console console;
    console.queue.Keep("a.alb");
    EXPECT_FALSE(console.queue.RunWaiting()) << "still loading";
    console.queue.SetReady();
    console.boxOpen = true;
    EXPECT_FALSE(console.queue.RunWaiting());
    EXPECT_TRUE(console.started.empty());
    console.boxOpen = false;
    EXPECT_TRUE(console.queue.RunWaiting());
    EXPECT_EQ(console.started, std::vector<std::string>{"a.alb"});
}

TEST(HandOverQueueTest, AHandOverArrivingWhileOneRunsWaitsForItThenRunsInOrder) {
    Console console;
    console.queue.SetReady();
    console.whileStarting = [&](const std::string&) {
        console.queue.Keep("b.mp3");
        EXPECT_FALSE(console.queue.RunWaiting()) << "a box of the first start pumps messages";
    };
    console.queue.Keep("a.alb");
    console.queue.Keep("c.mp3");
    EXPECT_TRUE(console.queue.RunWaiting());
    EXPECT_EQ(console.started, (std::vector<std::string>{"a.alb", "c.mp3", "b.mp3"}));
}

TEST(HandOverQueueTest, AFailedStartLeavesTheQueueWorkingAndTheWaitIsBounded) {
    Console console;
    console.queue.SetReady();
    console.whileStarting = [](const std::string&) { throw std::runtime_error("no memory"); };
    console.queue.Keep("a.alb");
    EXPECT_THROW(console.queue.RunWaiting(), std::runtime_error);
    console.queue.Keep("b.mp3");
    EXPECT_TRUE(console.queue.RunWaiting());
    EXPECT_EQ(console.started.back(), "b.mp3");

    console.boxOpen = true;
    for (std::size_t i = 0; i < HandOverQueue::kMaxWaiting + 3; ++i)
        console.queue.Keep(std::to_string(i));
    EXPECT_EQ(console.queue.Waiting(), HandOverQueue::kMaxWaiting);
    console.boxOpen = false;
    console.queue.RunWaiting();
    EXPECT_EQ(console.started[2], "3") << "the oldest went";
}

}  // namespace
}  // namespace brambletune
