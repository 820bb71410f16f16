#pragma once
// What the program asks of the desktop: messages, questions, file choices,
// the clock. Windows and core procedures that talk to the user take this
// interface; the desktop implements it with Qt, tests with a recording fake.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dvx {

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

class Platform {
public:
    virtual ~Platform() = default;

    // An empty title shows the program title, as the classic message box does.
    virtual Answer message(std::string_view text, std::string_view title = {},
                           Icon icon = Icon::None, Buttons buttons = Buttons::Ok) = 0;
    // nullopt when the user cancels the input box.
    virtual std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                             std::string_view defaultText) = 0;
    // filter is "Description|*.ext"; nullopt when cancelled.
    virtual std::optional<std::string> openFileName(std::string_view folder,
                                                    std::string_view filter) = 0;
    virtual std::optional<std::string> saveFileName(std::string_view folder,
                                                    std::string_view filter,
                                                    std::string_view suggestedName) = 0;
    virtual void beep() = 0;
    virtual void setBusy(bool busy) = 0;
    virtual bool openExternal(std::string_view fileOrAddress) = 0;
    virtual std::int32_t secondsSinceMidnight() = 0;
};

} // namespace dvx
