#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "monitor/watch/WatcherDesktop.h"

namespace vigilon::testing {

// A text job that records fonts and lines: "font:<face>/<points>/<b|r>", "line:<text>", "end".
class RecordingTextJob : public TextJob {
public:
    explicit RecordingTextJob(std::vector<std::string>& log) : log_(log) {}
    void SetFont(const TextFont& f) override {
        log_.push_back("font:" + f.face + "/" + std::to_string(f.points) + "/" +
                       (f.bold ? "b" : "r"));
    }
    void WriteLine(const std::string& text) override { log_.push_back("line:" + text); }
    void End() override { log_.push_back("end"); }

private:
    std::vector<std::string>& log_;
};

// Dialog answers set by the test; files kept in memory; every call recorded.
class ScriptedDesktop : public WatcherDesktop {
public:
    std::optional<std::string> folderAnswer, soundAnswer, logAnswer;
    bool printCancelled = false;
    std::string printFailure;   // thrown by StartPrintJob when not empty
    std::string appendFailure;  // thrown by AppendToFile when not empty
    bool shellOpenWorks = true;
    std::map<std::string, std::string> files;
    std::vector<std::string> calls;
    std::vector<std::string> printed;
    std::function<void()> whileErrorShown;  // runs while an error box is open

    std::optional<std::string> BrowseFolder(const std::string& initial) override {
        calls.push_back("BrowseFolder:" + initial);
        return folderAnswer;
    }
    std::optional<std::string> ChooseSoundFile(const std::string& current) override {
        calls.push_back("ChooseSoundFile:" + current);
        return soundAnswer;
    }
    std::optional<std::string> ChooseLogFile(const std::string& proposed) override {
        calls.push_back("ChooseLogFile:" + proposed);
        return logAnswer;
    }
    std::unique_ptr<TextJob> StartPrintJob() override {
        calls.push_back("StartPrintJob");
        if (!printFailure.empty()) throw std::runtime_error(printFailure);
        if (printCancelled) return nullptr;
        return std::make_unique<RecordingTextJob>(printed);
    }
    void AppendToFile(const std::string& path, const std::string& text) override {
        if (!appendFailure.empty()) throw std::runtime_error(appendFailure);
        files[path] += text;
    }
    bool FileExists(const std::string& path) const override { return files.count(path) > 0; }
    std::string ProgramFolder() const override { return "C:\\Program Files\\Vigilon"; }
    void Beep() override { calls.push_back("Beep"); }
    bool ShellOpen(const std::string& path) override {
        calls.push_back("ShellOpen:" + path);
        return shellOpenWorks;
    }
    void ShowError(const std::string& text) override {
        calls.push_back("ShowError:" + text);
        if (whileErrorShown) whileErrorShown();
    }
    void SetStayOnTop(bool onTop) override { calls.push_back(onTop ? "OnTop" : "NotOnTop"); }
};

}  // namespace vigilon::testing
