#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "monitor/mail/MapiApi.h"
#include "monitor/mail/MapiCursor.h"

namespace vigilon::testing {

// What the fake MAPI table and cursor were asked, and how they answer. The
// test keeps it; the fakes handed to the sender write into it.
struct FakeMapiState {
    // Calls in order: "ShowHourglass", "Restore", "Logon:<profile>:<password>:<flags>",
    // "ResolveName:<session>:<name>:<flags>", "SendMail:<session>:<flags>",
    // "FreeBuffer:<descriptor>".
    std::vector<std::string> calls;
    std::vector<MapiMail> sent;                    // every mail SendMail was given
    std::map<const void*, std::string> handedOut;  // descriptor -> the name it resolved
    std::multiset<const void*> freed;
    bool hourglassShown = false;

    MapiResult logonResult = kMapiSuccess;
    MapiSession sessionToGive = 0x5e55;
    std::map<std::string, MapiResult> resolveResults;  // names not listed resolve
    MapiResult sendResult = kMapiSuccess;
    std::function<void()> duringSend;

    // Descriptors resolved and not freed once, or freed more than once.
    std::vector<std::string> FreeingFaults() const {
        std::vector<std::string> faults;
        for (const auto& [descriptor, name] : handedOut) {
            if (freed.count(descriptor) != 1)
                faults.push_back(name + " freed " + std::to_string(freed.count(descriptor)));
        }
        for (const void* descriptor : freed) {
            if (handedOut.count(descriptor) == 0)
                faults.push_back("freed a block never handed out");
        }
        return faults;
    }
    std::string NameOf(const void* descriptor) const {
        const auto found = handedOut.find(descriptor);
        return found == handedOut.end() ? "?" : found->second;
    }
};

// Resolves "x" to the name "Resolved x" and the address "SMTP:x".
class FakeMapiApi : public MapiApi {
public:
    explicit FakeMapiApi(FakeMapiState& state) : state_(state) {}

    MapiResult Logon(const std::string& profile, const std::string& password, MapiFlags flags,
                     MapiSession& session) override {
        state_.calls.push_back("Logon:" + profile + ":" + password + ":" + std::to_string(flags));
        if (state_.logonResult == kMapiSuccess) session = state_.sessionToGive;
        return state_.logonResult;
    }
    MapiResult ResolveName(MapiSession session, const std::string& name, MapiFlags flags,
                           MapiResolvedName& resolved) override {
        state_.calls.push_back("ResolveName:" + std::to_string(session) + ":" + name + ":" +
                               std::to_string(flags));
        const auto scripted = state_.resolveResults.find(name);
        if (scripted != state_.resolveResults.end() && scripted->second != kMapiSuccess)
            return scripted->second;
        blocks_.emplace_back();
        resolved.descriptor = &blocks_.back();
        resolved.name = "Resolved " + name;
        resolved.address = "SMTP:" + name;
        state_.handedOut[resolved.descriptor] = name;
        return kMapiSuccess;
    }
    MapiResult SendMail(MapiSession session, const MapiMail& mail, MapiFlags flags) override {
        state_.calls.push_back("SendMail:" + std::to_string(session) + ":" + std::to_string(flags));
        state_.sent.push_back(mail);
        // A copy, so that the hook may clear itself.
        const std::function<void()> hook = state_.duringSend;
        if (hook) hook();
        return state_.sendResult;
    }
    MapiResult FreeBuffer(void* buffer) override {
        state_.calls.push_back("FreeBuffer:" + state_.NameOf(buffer));
        state_.freed.insert(buffer);
        return kMapiSuccess;
    }

private:
    FakeMapiState& state_;
    std::deque<int> blocks_;  // stands for the library's memory; deque keeps addresses stable
};

class FakeMapiCursor : public MapiCursor {
public:
    explicit FakeMapiCursor(FakeMapiState& state) : state_(state) {}

    void ShowHourglass() override {
        state_.calls.push_back("ShowHourglass");
        state_.hourglassShown = true;
    }
    void Restore() override {
        state_.calls.push_back("Restore");
        state_.hourglassShown = false;
    }

private:
    FakeMapiState& state_;
};

}  // namespace vigilon::testing
