#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "jukebox/model/MessageBoxService.h"

namespace brambletune::testing {

// Records every box shown; answers from the queue, then IDOK.
class RecordingMessageBox : public MessageBoxService {
public:
    struct Shown {
        std::string text;
        std::string caption;
        std::uint32_t style;
        std::uintptr_t owner = 0;
    };
    std::vector<Shown> shown;
    std::deque<int> answers;
    // Runs once while the next box is "open", as the messages a real box pumps would.
    std::function<void()> whileOpen;

    int Show(const std::string& text, const std::string& caption, std::uint32_t style) override {
        return ShowOwned(0, text, caption, style);
    }
    int ShowOwned(std::uintptr_t owner, const std::string& text, const std::string& caption,
                  std::uint32_t style) override {
        shown.push_back({text, caption, style, owner});
        if (whileOpen) std::exchange(whileOpen, nullptr)();
        if (answers.empty()) return 1;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace brambletune::testing
