#pragma once
// The command line's answers to what the core asks: messages go to stderr
// after the program's name, questions get a scripted answer, input boxes
// take queued replies.

#include "Platform.h"
#include "Progress.h"

#include <deque>
#include <string>
#include <vector>

namespace dvx::cli {

class ConsolePlatform final : public Platform {
public:
    Answer questionAnswer = Answer::No;     // what Yes/No and OK/Cancel questions get
    std::deque<std::string> inputReplies;   // replies to input boxes, in order
    std::vector<std::string> shownMessages; // every message text, as shown

    Answer message(std::string_view text, std::string_view title, Icon icon,
                   Buttons buttons) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override;
    std::optional<std::string> openFileName(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFileName(std::string_view, std::string_view,
                                            std::string_view) override {
        return std::nullopt;
    }
    void beep() override {}
    void setBusy(bool) override {}
    bool openExternal(std::string_view) override { return false; }
    std::int32_t secondsSinceMidnight() override;
};

// Draws a progress bar on stderr when stderr is a terminal; silent otherwise.
class TerminalProgress final : public Progress {
public:
    TerminalProgress();
    ~TerminalProgress() override;
    void setPercent(int percent) override;
    void setCaption(std::string_view caption) override;

private:
    bool enabled_;
    std::string caption_;
};

} // namespace dvx::cli
