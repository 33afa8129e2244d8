// The MAPI sender through the real loader path, against the recording
// MAPI32.DLL of tests/platform/mapi/fake placed beside this program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "monitor/mail/MapiErrors.h"
#include "monitor/mail/MapiLibrary.h"
#include "monitor/mail/MapiMailer.h"
#include "monitor/mail/MapiWin32Cursor.h"
#include "monitor/mail/TRzSendMessage.h"

namespace vigilon {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string TempFolder() {
    char buffer[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

std::string CurrentFolder() {
    char buffer[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

// Each test gets a fresh call log and an empty script.
class MapiLibraryTest : public ::testing::Test {
protected:
    MapiLibraryTest()
        : logPath_(TempFolder() + "vigilon-mapi-test-" + std::to_string(GetCurrentProcessId()) +
                   ".log") {
        DeleteFileA(logPath_.c_str());
        SetEnvironmentVariableA("FAKE_MAPI_LOG", logPath_.c_str());
        SetEnvironmentVariableA("FAKE_MAPI_SCRIPT", nullptr);
    }
    ~MapiLibraryTest() override {
        DeleteFileA(logPath_.c_str());
        SetEnvironmentVariableA("FAKE_MAPI_LOG", nullptr);
        SetEnvironmentVariableA("FAKE_MAPI_SCRIPT", nullptr);
    }

    static void Script(const char* script) { SetEnvironmentVariableA("FAKE_MAPI_SCRIPT", script); }

    std::vector<std::string> Calls() const {
        std::vector<std::string> lines;
        std::ifstream log(logPath_, std::ios::binary);
        for (std::string line; std::getline(log, line);) lines.push_back(line);
        return lines;
    }

    static std::unique_ptr<TRzSendMessage> Sender(const std::string& library = "MAPI32.DLL") {
        return std::make_unique<TRzSendMessage>(std::make_unique<MapiLibrary>(library),
                                                std::make_unique<MapiWin32Cursor>());
    }

    template <typename Exception>
    static std::string ErrorOf(TRzSendMessage& sender) {
        try {
            sender.Send();
        } catch (const Exception& error) {
            return error.what();
        }
        return "no exception";
    }

private:
    std::string logPath_;
};

// Every other test relies on this. Wine loads its builtin mapi32 (even under
// the path of the file beside the program) unless WINEDLLOVERRIDES holds
// "mapi32=n,b", which the test registration sets.
TEST_F(MapiLibraryTest, LibraryBesideTheProgramIsTheOneThatAnswers) {
    MapiLibrary library;
    MapiSession session = 0;
    library.Logon("", "", 73, session);

    EXPECT_EQ(Calls().size(), 1u) << "a MAPI32.DLL other than the recording one answered";
}

TEST_F(MapiLibraryTest, MailerSendsTheSummaryQuietlyThroughTheLibraryBesideTheProgram) {
    MapiMailer mailer(std::make_unique<MapiLibrary>(), std::make_unique<MapiWin32Cursor>());
    mailer.Send({"ann@example.test", "bob"}, "Folder changes",
                {"Date/Time 7/12/2026", "Added C:\\a.txt"});

    EXPECT_THAT(
        Calls(),
        ElementsAre("MAPILogon ui=0 profile=null password=null flags=73 reserved=0 cursor=wait "
                    "result=0 session=4660",
                    "MAPIResolveName session=4660 ui=0 name=\"ann@example.test\" flags=9 "
                    "reserved=0 result=0 descriptor=#1",
                    "MAPIResolveName session=4660 ui=0 name=\"bob\" flags=9 reserved=0 result=0 "
                    "descriptor=#2",
                    "MAPISendMail session=4660 ui=0 flags=1 reserved=0 cursor=wait result=0",
                    "  message reserved=0 subject=\"Folder changes\" "
                    "note=\"Date/Time 7/12/2026\\r\\nAdded C:\\\\a.txt\\r\\n\" type=null date=null "
                    "conversation=null "
                    "flags=0 originator=null recipients=2 files=0",
                    "  recipient reserved=0 class=1 name=\"Resolved ann@example.test\" "
                    "address=\"SMTP:ann@example.test\" "
                    "eidsize=0 eid=null",
                    "  recipient reserved=0 class=1 name=\"Resolved bob\" address=\"SMTP:bob\" "
                    "eidsize=0 eid=null",
                    "MAPIFreeBuffer descriptor=#1", "MAPIFreeBuffer descriptor=#2"));
}

TEST_F(MapiLibraryTest, ReviewProfileCopiesAndAttachmentsReachTheLibrary) {
    auto sender = Sender();
    sender->ProfileName = "Office";
    sender->Password = "pw";
    sender->ToRecipients = {"ann"};
    sender->CcRecipients = {"cy"};
    sender->BccRecipients = {"dee"};
    sender->Attachments = {"report.txt"};
    sender->MessageText = {"see"};
    sender->Send();

    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 13u);
    EXPECT_EQ(calls[0],
              "MAPILogon ui=0 profile=\"Office\" password=\"pw\" flags=9 reserved=0 cursor=wait "
              "result=0 session=4660");
    EXPECT_EQ(calls[4], "MAPISendMail session=4660 ui=0 flags=9 reserved=0 cursor=wait result=0");
    EXPECT_EQ(calls[5],
              "  message reserved=0 subject=\"\" note=\"see\\r\\n \\r\\n\" type=null date=null "
              "conversation=null flags=0 originator=null recipients=3 files=1");
    EXPECT_EQ(calls[6],
              "  recipient reserved=0 class=1 name=\"Resolved ann\" address=\"SMTP:ann\" eidsize=0 "
              "eid=null");
    EXPECT_EQ(calls[7],
              "  recipient reserved=0 class=2 name=\"Resolved cy\" address=\"SMTP:cy\" eidsize=0 "
              "eid=null");
    EXPECT_EQ(calls[8],
              "  recipient reserved=0 class=3 name=\"Resolved dee\" address=\"SMTP:dee\" eidsize=0 "
              "eid=null");
    std::string folder = CurrentFolder();
    if (folder.back() != '\\') folder += '\\';
    std::string escaped;
    for (char c : folder + "report.txt")
        escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    EXPECT_EQ(calls[9],
              "  file reserved=0 flags=0 position=5 path=\"" + escaped + "\" name=null type=null");
    EXPECT_THAT(std::vector<std::string>(calls.begin() + 10, calls.end()),
                ElementsAre("MAPIFreeBuffer descriptor=#1", "MAPIFreeBuffer descriptor=#2",
                            "MAPIFreeBuffer descriptor=#3"));
}

TEST_F(MapiLibraryTest, TwoSendsLogOnOnce) {
    auto sender = Sender();
    sender->Review = false;
    sender->ToRecipients = {"ann"};
    sender->Send();
    sender->Send();

    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 11u);
    EXPECT_EQ(calls[0].rfind("MAPILogon ", 0), 0u);
    EXPECT_EQ(
        calls[6],
        "MAPIResolveName session=4660 ui=0 name=\"ann\" flags=9 reserved=0 result=0 descriptor=#2");
    EXPECT_EQ(calls[10], "MAPIFreeBuffer descriptor=#2");
}

TEST_F(MapiLibraryTest, LoginFailureIsAMapiError) {
    Script("logon=3");
    auto sender = Sender();
    sender->ToRecipients = {"ann"};

    EXPECT_EQ(ErrorOf<EMapiError>(*sender), "MAPI: Login Failure. ErrorCode = 3");
    EXPECT_THAT(
        Calls(),
        ElementsAre("MAPILogon ui=0 profile=null password=null flags=73 reserved=0 cursor=wait "
                    "result=3"));
}

TEST_F(MapiLibraryTest, UnknownRecipientFreesTheResolvedOnesAndSendsNothing) {
    Script("resolve:nobody=14");
    auto sender = Sender();
    sender->ToRecipients = {"ann", "nobody", "bob"};

    EXPECT_EQ(ErrorOf<EMapiError>(*sender), "MAPI: Unknown Recipient. ErrorCode = 14");
    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[2],
              "MAPIResolveName session=4660 ui=0 name=\"nobody\" flags=9 reserved=0 result=14");
    EXPECT_EQ(calls[3], "MAPIFreeBuffer descriptor=#1");
}

TEST_F(MapiLibraryTest, UserAbortInTheClientFreesTheDescriptors) {
    Script("send=1");
    auto sender = Sender();
    sender->ToRecipients = {"ann", "bob"};

    EXPECT_EQ(ErrorOf<EMapiUserAbort>(*sender), "User Abort");
    const std::vector<std::string> calls = Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_THAT(std::vector<std::string>(calls.end() - 2, calls.end()),
                ElementsAre("MAPIFreeBuffer descriptor=#1", "MAPIFreeBuffer descriptor=#2"));
}

TEST_F(MapiLibraryTest, MissingLibraryCountsAsUserAbort) {
    auto sender = Sender("NoSuchMapiLibrary.dll");
    sender->ToRecipients = {"ann"};

    EXPECT_EQ(ErrorOf<EMapiUserAbort>(*sender), "User Abort");
    EXPECT_THAT(Calls(), IsEmpty());
}

TEST_F(MapiLibraryTest, MissingFunctionsCountAsUserAbort) {
    // A library that loads but has none of the MAPI functions.
    MapiLibrary library("kernel32.dll");
    MapiSession session = 0;
    MapiResolvedName resolved;

    EXPECT_EQ(library.Logon("", "", 73, session), kMapiUserAbort);
    EXPECT_EQ(library.ResolveName(1, "ann", 9, resolved), kMapiUserAbort);
    EXPECT_EQ(library.SendMail(1, MapiMail{}, 1), kMapiUserAbort);
    EXPECT_EQ(library.FreeBuffer(nullptr), kMapiUserAbort);
    EXPECT_EQ(session, 0u);
}

TEST(MapiWin32CursorTest, ShowsTheHourglassAndPutsBackThePreviousCursor) {
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(arrow);
    MapiWin32Cursor cursor;

    cursor.ShowHourglass();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    cursor.Restore();
    EXPECT_EQ(GetCursor(), arrow);
}

}  // namespace
}  // namespace vigilon
