#pragma once
// A Platform that records what the program asked and answers from a script.

#include "Platform.h"

#include <deque>
#include <string>
#include <vector>

namespace dvx::test {

struct ShownMessage {
    std::string text;
    std::string title;
    Icon icon;
    Buttons buttons;
};

class RecordingPlatform final : public Platform {
public:
    // Answers given in order; when they run out, questions get defaultAnswer
    // and plain messages Ok.
    std::deque<Answer> answers;
    Answer defaultAnswer = Answer::Yes;
    std::deque<std::optional<std::string>> inputs; // input box replies, nullopt = cancel
    std::deque<std::optional<std::string>> fileNames;
    std::int32_t clock = 12345;

    std::vector<ShownMessage> messages;
    std::vector<std::string> prompts;
    std::vector<std::string> fileRequests; // "open folder|filter" or "save folder|filter|name"
    std::vector<std::string> opened;
    int beeps = 0;
    int busyDepth = 0;

    Answer message(std::string_view text, std::string_view title, Icon icon,
                   Buttons buttons) override {
        messages.push_back({std::string(text), std::string(title), icon, buttons});
        if (!answers.empty()) {
            const auto a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::Ok ? Answer::Ok : defaultAnswer;
    }
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override {
        prompts.push_back(std::string(prompt) + "|" + std::string(title) + "|" +
                          std::string(defaultText));
        if (inputs.empty()) {
            return std::nullopt;
        }
        auto v = inputs.front();
        inputs.pop_front();
        return v;
    }
    std::optional<std::string> openFileName(std::string_view folder,
                                            std::string_view filter) override {
        fileRequests.push_back("open " + std::string(folder) + "|" + std::string(filter));
        return nextFileName();
    }
    std::optional<std::string> saveFileName(std::string_view folder, std::string_view filter,
                                            std::string_view suggestedName) override {
        fileRequests.push_back("save " + std::string(folder) + "|" + std::string(filter) + "|" +
                               std::string(suggestedName));
        return nextFileName();
    }
    void beep() override { ++beeps; }
    void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    bool openExternal(std::string_view target) override {
        opened.emplace_back(target);
        return true;
    }
    std::int32_t secondsSinceMidnight() override { return clock; }

    const ShownMessage& lastMessage() const { return messages.back(); }

private:
    std::optional<std::string> nextFileName() {
        if (fileNames.empty()) {
            return std::nullopt;
        }
        auto v = fileNames.front();
        fileNames.pop_front();
        return v;
    }
};

} // namespace dvx::test
