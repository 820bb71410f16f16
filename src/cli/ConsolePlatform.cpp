#include "ConsolePlatform.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <unistd.h>

namespace dvx::cli {

Answer ConsolePlatform::message(std::string_view text, std::string_view title, Icon,
                                Buttons buttons) {
    std::string shown(text);
    for (char& c : shown) {
        if (c == '\r') {
            c = '\n';
        }
    }
    shownMessages.push_back(shown);
    // On a terminal the program's name says where the line comes from.
    const auto first = title.find_first_not_of(' ');
    const auto caption = first == std::string_view::npos ? std::string_view() : title.substr(first);
    std::cerr << "decaventrix-cli: "
              << (caption.empty() ? std::string() : std::string(caption) + ": ") << shown << "\n";
    return buttons == Buttons::Ok ? Answer::Ok : questionAnswer;
}

std::optional<std::string> ConsolePlatform::input(std::string_view, std::string_view,
                                                  std::string_view) {
    if (inputReplies.empty()) {
        return std::nullopt;
    }
    auto reply = inputReplies.front();
    inputReplies.pop_front();
    return reply;
}

std::int32_t ConsolePlatform::secondsSinceMidnight() {
    const auto now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

TerminalProgress::TerminalProgress() : enabled_(isatty(STDERR_FILENO) != 0) {}

TerminalProgress::~TerminalProgress() {
    if (enabled_) {
        std::cerr << "\r\033[K" << std::flush;
    }
}

void TerminalProgress::setCaption(std::string_view caption) {
    caption_ = caption;
}

void TerminalProgress::setPercent(int percent) {
    if (!enabled_) {
        return;
    }
    const int filled = percent / 5;
    std::cerr << "\r" << caption_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(20 - filled), ' ') << "] " << percent << "%"
              << std::flush;
}

} // namespace dvx::cli
