#pragma once

#include <string>
#include <vector>

#include "jukebox/model/MessageBoxService.h"

namespace brambletune::testing {

// Records every box shown; answers IDOK.
class RecordingMessageBox : public MessageBoxService {
public:
    struct Shown {
        std::string text;
        std::string caption;
        std::uint32_t style;
    };
    std::vector<Shown> shown;

    int Show(const std::string& text, const std::string& caption, std::uint32_t style) override {
        shown.push_back({text, caption, style});
        return 1;
    }
};

}  // namespace brambletune::testing
