#include <gtest/gtest.h>

#include <string>

#include "monitor/mail/MapiErrors.h"

namespace vigilon {
namespace {

// The text of the exception RaiseMapiError throws for code.
std::string RaisedText(MapiResult code) {
    try {
        RaiseMapiError(code);
    } catch (const EMailError& error) {
        return error.what();
    }
    return "nothing raised";
}

TEST(MapiErrorsTest, EveryResultCodeHasItsText) {
    const std::pair<MapiResult, const char*> table[] = {
        {2, "General Failure"},
        {3, "Login Failure"},
        {4, "Disk Full"},
        {5, "Insufficient Memory"},
        {6, "Access Denied"},
        {8, "Too Many Sessions"},
        {9, "Too Many Files"},
        {10, "Too Many Recipients"},
        {11, "Attachment Not Found"},
        {12, "Attachment Open Failure"},
        {13, "Attachment Write Failure"},
        {14, "Unknown Recipient"},
        {15, "Bad Recipient Type"},
        {16, "No Messages"},
        {17, "Invalid Message"},
        {18, "Text Too Large"},
        {19, "Invalid Session"},
        {20, "Type Not Supported"},
        {21, "Ambiguous Recipient"},
        {22, "Message In Use"},
        {23, "Network Failure"},
        {24, "Invalid Edit Fields"},
        {25, "Invalid Recipients"},
        {26, "Feature Not Supported"},
    };
    for (const auto& [code, text] : table) {
        EXPECT_EQ(RaisedText(code),
                  "MAPI: " + std::string(text) + ". ErrorCode = " + std::to_string(code));
    }
}

TEST(MapiErrorsTest, CodesWithoutTextLeaveTheTextPartEmpty) {
    EXPECT_EQ(RaisedText(7), "MAPI: . ErrorCode = 7");
    EXPECT_EQ(RaisedText(27), "MAPI: . ErrorCode = 27");
    EXPECT_EQ(RaisedText(0xFFFFFFFFu), "MAPI: . ErrorCode = -1");
}

TEST(MapiErrorsTest, UserAbortIsAMapiErrorOfItsOwnKind) {
    try {
        RaiseMapiError(kMapiUserAbort);
        FAIL() << "nothing raised";
    } catch (const EMapiError& error) {
        EXPECT_NE(dynamic_cast<const EMapiUserAbort*>(&error), nullptr);
        EXPECT_STREQ(error.what(), "User Abort");
        EXPECT_EQ(error.Code(), kMapiUserAbort);
    }
    EXPECT_EQ(MapiErrorText(1), "User Abort");
}

}  // namespace
}  // namespace vigilon
