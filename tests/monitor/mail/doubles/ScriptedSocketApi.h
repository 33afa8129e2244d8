#pragma once

#include <cstdint>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "monitor/mail/SocketApi.h"

namespace vigilon::testing {

// Plays an SMTP server from a script. The first reply is the greeting, sent
// once the connection is made; every later reply answers one command line,
// and the message after a 3xx reply to "DATA" counts as one command ending
// with the end-of-data line. The server closes after its last reply.
// Special replies: kSilence (nothing ever comes, so a wait times out) and
// kReset (the connection is reset).
class ScriptedSocketApi : public SocketApi {
public:
    static inline const std::string kSilence = "<silence>";
    static inline const std::string kReset = "<reset>";

    // Script and settings.
    std::deque<std::string> replies;
    bool startupSucceeds = true;
    std::optional<std::string> hostName = "workstation";
    std::map<std::string, std::string> hosts{{"mail.example.com", "10.0.0.7"}};
    int hostLookupError = kWsaHostNotFound;
    bool hostLookupTimesOut = false;
    std::optional<std::uint16_t> servicePort = 587;
    bool serviceLookupTimesOut = false;
    int connectError = 0;
    bool connectTimesOut = false;
    std::size_t bytesPerSend = SIZE_MAX;
    bool blockEveryOtherCall = false;  // send and receive report would-block on every other call
    std::map<int, std::string> errorTexts;
    std::map<int, std::string> systemErrorTexts;

    // What the client did.
    std::string sent;
    std::vector<std::string> commands;
    std::string data;  // the message as transmitted, end-of-data line excluded
    std::vector<std::size_t> sendSizes;
    std::vector<std::pair<std::string, std::string>> serviceLookups;
    std::vector<std::string> hostLookups;
    std::optional<std::uint32_t> connectedAddress;
    std::uint16_t connectedPort = 0;
    std::vector<int> waitTimeOuts;
    int startups = 0;
    int cleanups = 0;
    int closes = 0;
    int processEventsCalls = 0;
    std::function<void()> onProcessEvents;

    bool SocketOpen() const { return open_; }
    // Bytes delivered to the client and not read yet.
    const std::string& Unread() const { return inbox_; }
    // Makes bytes available to the client directly, outside the script.
    void Deliver(const std::string& bytes) { inbox_ += bytes; }
    // The server closes once the client has read what was delivered.
    void CloseAfterUnread() { closed_ = true; }

    static std::uint32_t Pack(const std::string& dotted) {
        std::uint32_t address = 0;
        Parse(dotted, address);
        return address;
    }

    bool Startup() override {
        if (!startupSucceeds) return false;
        ++startups;
        return true;
    }
    void Cleanup() override { ++cleanups; }
    bool LocalHostName(std::string& name) override {
        if (!hostName) return false;
        name = *hostName;
        return true;
    }
    bool ParseAddress(const std::string& text, std::uint32_t& address) override {
        return Parse(text, address);
    }
    WaitResult LookupHost(const std::string& host, int timeoutSeconds, std::string& dotted,
                          int& error) override {
        hostLookups.push_back(host);
        waitTimeOuts.push_back(timeoutSeconds);
        if (hostLookupTimesOut) return WaitResult::TimedOut;
        const auto found = hosts.find(host);
        error = found == hosts.end() ? hostLookupError : 0;
        if (found != hosts.end()) dotted = found->second;
        return WaitResult::Done;
    }
    WaitResult LookupService(const std::string& service, const std::string& protocol,
                             int timeoutSeconds, std::uint16_t& port, int& error) override {
        serviceLookups.emplace_back(service, protocol);
        waitTimeOuts.push_back(timeoutSeconds);
        if (serviceLookupTimesOut) return WaitResult::TimedOut;
        error = servicePort ? 0 : 11004;
        if (servicePort) port = *servicePort;
        return WaitResult::Done;
    }
    // Each connection starts a new conversation with what is left of the script.
    int Open() override {
        open_ = true;
        closed_ = reset_ = inData_ = false;
        inbox_.clear();
        pending_.clear();
        return 0;
    }
    int Connect(std::uint32_t address, std::uint16_t port) override {
        connectedAddress = address;
        connectedPort = port;
        return kWsaWouldBlock;
    }
    WaitResult Wait(SocketEvent event, int timeoutSeconds, int& error) override {
        waitTimeOuts.push_back(timeoutSeconds);
        error = 0;
        if (canceled_) {
            canceled_ = false;
            return WaitResult::Canceled;
        }
        if (event == SocketEvent::Connected) return ConnectDone(error);
        if (event == SocketEvent::Writable) return WaitResult::Done;
        const bool ready = !inbox_.empty() || closed_ || reset_;
        return ready ? WaitResult::Done : WaitResult::TimedOut;
    }
    IoResult Send(const char* bytes, std::size_t size) override {
        if (reset_) return {0, kWsaConnectionReset};
        if (Blocks()) return {0, kWsaWouldBlock};
        const std::size_t accepted = std::min(size, bytesPerSend);
        sendSizes.push_back(accepted);
        sent.append(bytes, accepted);
        Serve(std::string(bytes, accepted));
        return {accepted, 0};
    }
    IoResult Receive(char* bytes, std::size_t size) override {
        if (!inbox_.empty()) {
            if (Blocks()) return {0, kWsaWouldBlock};
            const std::size_t count = std::min(size, inbox_.size());
            inbox_.copy(bytes, count);
            inbox_.erase(0, count);
            return {count, 0};
        }
        if (reset_) return {0, kWsaConnectionReset};
        if (closed_) return {0, 0};
        return {0, kWsaWouldBlock};
    }
    void Close() override {
        if (open_) ++closes;
        open_ = false;
    }
    void Cancel() override { canceled_ = true; }
    void ProcessEvents() override {
        ++processEventsCalls;
        if (onProcessEvents) onProcessEvents();
    }
    std::string ErrorText(int error) override {
        const auto found = errorTexts.find(error);
        return found == errorTexts.end() ? std::string() : found->second;
    }
    std::string SystemErrorText(int error) override {
        const auto found = systemErrorTexts.find(error);
        return found == systemErrorTexts.end() ? std::string() : found->second;
    }

private:
    static bool Parse(const std::string& text, std::uint32_t& address) {
        unsigned parts[4];
        char tail = 0;
        if (std::sscanf(text.c_str(), "%u.%u.%u.%u%c", &parts[0], &parts[1], &parts[2], &parts[3],
                        &tail) != 4) {
            return false;
        }
        address = 0;
        for (unsigned part : parts) {
            if (part > 255) return false;
            address = address << 8 | part;
        }
        return true;
    }

    WaitResult ConnectDone(int& error) {
        if (connectTimesOut) return WaitResult::TimedOut;
        error = connectError;
        if (error == 0) Reply();
        return WaitResult::Done;
    }

    bool Blocks() {
        if (!blockEveryOtherCall) return false;
        blockNext_ = !blockNext_;
        return !blockNext_;
    }

    void Reply() {
        if (replies.empty()) {
            closed_ = true;
            return;
        }
        const std::string reply = replies.front();
        replies.pop_front();
        if (reply == kSilence) return;
        if (reply == kReset) {
            reset_ = true;
            return;
        }
        inbox_ += reply;
        closed_ = replies.empty();
        if (commands.size() && commands.back() == "DATA" && reply.front() == '3') inData_ = true;
    }

    void Serve(const std::string& bytes) {
        pending_ += bytes;
        if (inData_) {
            static const std::string kEnd = "\r\n.\r\n";
            if (pending_.size() < kEnd.size() ||
                pending_.compare(pending_.size() - kEnd.size(), kEnd.size(), kEnd) != 0) {
                return;
            }
            data = pending_.substr(0, pending_.size() - 3);
            pending_.clear();
            inData_ = false;
            Reply();
            return;
        }
        for (auto end = pending_.find("\r\n"); end != std::string::npos;
             end = pending_.find("\r\n")) {
            commands.push_back(pending_.substr(0, end));
            pending_.erase(0, end + 2);
            Reply();
        }
    }

    bool open_ = false;
    bool canceled_ = false;
    bool closed_ = false;
    bool reset_ = false;
    bool inData_ = false;
    bool blockNext_ = false;
    std::string inbox_;
    std::string pending_;
};

}  // namespace vigilon::testing
