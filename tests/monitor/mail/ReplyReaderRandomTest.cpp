#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/TagSocket.h"
#include "monitor/mail/doubles/ScriptedSocketApi.h"

namespace vigilon {
namespace {

using testing::ScriptedSocketApi;

class RandomReplies : public ::testing::Test {
protected:
    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string Text(int maxLength) {
        std::string text;
        for (int i = Number(0, maxLength); i > 0; --i) text += static_cast<char>(Number(32, 126));
        return text;
    }

    std::string LineEnd() {
        static const char* const kEnds[] = {"\r\n", "\n", "\r\r\n"};
        return kEnds[Number(0, 2)];
    }

    // A connected socket whose greeting has been read.
    void Connect(ScriptedSocketApi& api, TagSocket& socket) {
        api.replies = {"220 ready\r\n", "250 keeps the connection open\r\n"};
        api.blockEveryOtherCall = Number(0, 1) == 1;
        socket.Server = "10.0.0.1:25";
        socket.Connect();
        ASSERT_EQ(socket.ReadReply(), 220);
    }

    std::mt19937 random_{424242};
};

TEST_F(RandomReplies, WellFormedRepliesAreReadExactlyToTheirEnd) {
    for (int round = 0; round < 500; ++round) {
        ScriptedSocketApi api;
        TagSocket socket{api};
        Connect(api, socket);
        const int code = Number(100, 599);
        const std::string prefix = std::to_string(code);
        std::string reply;
        for (int i = Number(0, 4); i > 0; --i) {
            // Continuation lines after the first may look like the end of another reply.
            std::string lineCode =
                Number(0, 3) == 0 ? std::to_string(Number(100, 599)) + " " : prefix + "-";
            if (reply.empty() || lineCode == prefix + " ") lineCode = prefix + "-";
            reply += lineCode + Text(200) + LineEnd();
        }
        const std::string last = prefix + (Number(0, 4) == 0 ? "" : " " + Text(200));
        reply += last + LineEnd();
        const std::string next = prefix + " next reply\r\n";
        api.Deliver(reply + next);

        ASSERT_EQ(socket.ReadReply(), code) << reply;
        ASSERT_EQ(socket.LastReply(), last) << reply;
        ASSERT_EQ(api.Unread(), next) << reply;
    }
}

TEST_F(RandomReplies, GarbageNeverOverflowsOrHangs) {
    for (int round = 0; round < 500; ++round) {
        ScriptedSocketApi api;
        TagSocket socket{api};
        Connect(api, socket);
        std::string garbage;
        for (int i = Number(0, 2000); i > 0; --i) {
            garbage += Number(0, 20) == 0 ? '\n' : static_cast<char>(Number(0, 255));
        }
        api.Deliver(garbage);
        api.CloseAfterUnread();
        try {
            for (int reply = 0; reply < 5000 && socket.Connected(); ++reply) socket.ReadReply();
        } catch (const EServerError&) {
        } catch (const ESocketError&) {
        }
        ASSERT_LE(socket.LastReply().size(), kReplyBufferSize);
        if (!socket.LastReply().empty()) {
            ASSERT_NE(socket.LastReply().back(), '\n');
        }
    }
}

}  // namespace
}  // namespace vigilon
