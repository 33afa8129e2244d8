#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/WinsockApi.h"

namespace vigilon {
namespace {

// The far end of a connection, made with blocking ws2_32 calls of the test itself.
class LoopbackListener {
public:
    LoopbackListener() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 1);
        int size = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackListener() {
        if (peer_ != INVALID_SOCKET) closesocket(peer_);
        closesocket(listener_);
        WSACleanup();
    }
    LoopbackListener(const LoopbackListener&) = delete;
    LoopbackListener& operator=(const LoopbackListener&) = delete;

    std::uint16_t Port() const { return port_; }
    void Accept() { peer_ = accept(listener_, nullptr, nullptr); }
    void Write(const std::string& text) {
        send(peer_, text.data(), static_cast<int>(text.size()), 0);
    }
    std::string Read() {
        char buffer[256];
        const int received = recv(peer_, buffer, sizeof buffer, 0);
        return std::string(buffer, received > 0 ? received : 0);
    }
    void ClosePeer() {
        closesocket(peer_);
        peer_ = INVALID_SOCKET;
    }

private:
    SOCKET listener_ = INVALID_SOCKET;
    SOCKET peer_ = INVALID_SOCKET;
    std::uint16_t port_ = 0;
};

class WinsockApiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(api.Startup()); }
    void TearDown() override { api.Cleanup(); }

    void ConnectTo(std::uint16_t port) {
        std::uint32_t address = 0;
        ASSERT_TRUE(api.ParseAddress("127.0.0.1", address));
        ASSERT_EQ(api.Open(), 0);
        const int started = api.Connect(address, port);
        ASSERT_TRUE(started == 0 || started == kWsaWouldBlock) << started;
        int error = -1;
        ASSERT_EQ(api.Wait(SocketEvent::Connected, 5, error), WaitResult::Done);
        ASSERT_EQ(error, 0);
    }

    std::string ReceiveAll(std::size_t count) {
        std::string text;
        while (text.size() < count) {
            char byte = 0;
            const IoResult result = api.Receive(&byte, 1);
            if (result.error == kWsaWouldBlock) {
                int error = 0;
                if (api.Wait(SocketEvent::Readable, 5, error) != WaitResult::Done) break;
                continue;
            }
            if (result.error != 0 || result.bytes == 0) break;
            text += byte;
        }
        return text;
    }

    WinsockApi api;
};

TEST(WinsockLibrary, MissingLibraryAndFunctionsAreReported) {
    try {
        WinsockApi missing("no-such-winsock.dll");
        FAIL() << "loaded";
    } catch (const EWinsockDLLError& error) {
        EXPECT_STREQ(error.what(), "Winsock not found");
    }
    WinsockApi wrong("kernel32.dll");
    try {
        wrong.Startup();
        FAIL() << "no error";
    } catch (const EWinsockDLLError& error) {
        EXPECT_STREQ(error.what(), "Function WSAStartup not found");
    }
}

TEST_F(WinsockApiTest, AddressesAndNames) {
    std::uint32_t address = 0;
    EXPECT_TRUE(api.ParseAddress("127.0.0.1", address));
    EXPECT_EQ(address, htonl(INADDR_LOOPBACK));
    EXPECT_FALSE(api.ParseAddress("localhost", address));

    std::string name;
    EXPECT_TRUE(api.LocalHostName(name));
    EXPECT_FALSE(name.empty());

    std::string dotted;
    int error = -1;
    ASSERT_EQ(api.LookupHost("localhost", 10, dotted, error), WaitResult::Done);
    EXPECT_EQ(error, 0);
    EXPECT_TRUE(api.ParseAddress(dotted, address)) << dotted;

    std::uint16_t port = 0;
    ASSERT_EQ(api.LookupService("smtp", "tcp", 10, port, error), WaitResult::Done);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(port, 25);
    api.LookupService("no-such-service", "tcp", 10, port, error);
    EXPECT_NE(error, 0);
}

TEST_F(WinsockApiTest, ExchangesBytesAndSeesTheCloseOfThePeer) {
    LoopbackListener server;
    ConnectTo(server.Port());
    server.Accept();
    server.Write("220 ready\r\n");
    EXPECT_EQ(ReceiveAll(11), "220 ready\r\n");

    const std::string line = "HELO test\r\n";
    const IoResult sent = api.Send(line.data(), line.size());
    EXPECT_EQ(sent.error, 0);
    EXPECT_EQ(server.Read(), line.substr(0, sent.bytes));

    server.ClosePeer();
    int error = 0;
    ASSERT_EQ(api.Wait(SocketEvent::Readable, 5, error), WaitResult::Done);
    char byte = 0;
    IoResult result = api.Receive(&byte, 1);
    EXPECT_EQ(result.bytes, 0u);
    api.Close();
}

TEST_F(WinsockApiTest, RefusedConnectionCarriesItsError) {
    std::uint16_t port = 0;
    {
        LoopbackListener closed;
        port = closed.Port();
    }
    std::uint32_t address = 0;
    api.ParseAddress("127.0.0.1", address);
    ASSERT_EQ(api.Open(), 0);
    api.Connect(address, port);
    int error = 0;
    ASSERT_EQ(api.Wait(SocketEvent::Connected, 5, error), WaitResult::Done);
    EXPECT_EQ(error, kWsaConnectionRefused);
    api.Close();
}

TEST_F(WinsockApiTest, WaitsTimeOutCountingSecondsAndServeOtherMessages) {
    LoopbackListener server;
    ConnectTo(server.Port());
    static int served = 0;
    served = 0;
    const auto timerProc = [](HWND, UINT, UINT_PTR, DWORD) { ++served; };
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, timerProc);
    const auto start = std::chrono::steady_clock::now();
    int error = 0;
    EXPECT_EQ(api.Wait(SocketEvent::Readable, 2, error), WaitResult::TimedOut);
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    KillTimer(nullptr, timer);
    EXPECT_GE(seconds, 1.5);
    EXPECT_LT(seconds, 4.0);
    EXPECT_GT(served, 5);
    api.Close();
}

TEST_F(WinsockApiTest, CancelAndQuitEndAWait) {
    LoopbackListener server;
    ConnectTo(server.Port());
    int error = 0;
    api.Cancel();
    EXPECT_EQ(api.Wait(SocketEvent::Readable, 5, error), WaitResult::Canceled);

    PostQuitMessage(3);
    EXPECT_EQ(api.Wait(SocketEvent::Readable, 5, error), WaitResult::Canceled);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
    api.Close();
}

TEST_F(WinsockApiTest, ErrorTextsWithoutTheTextLibraryAreEmpty) {
    // Wine ships no wserr32.dll; the caller then falls back to "Error #" and the number.
    EXPECT_EQ(api.ErrorText(10061), "");
}

}  // namespace
}  // namespace vigilon
