#pragma once
// The desktop's answers to what the program asks: Qt message and input
// boxes, file dialogs, the busy cursor and the clock.

#include "Platform.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace dvx {

// "Description|*.ext" as a Qt file dialog filter ("Description (*.ext)").
QString qtFileFilter(std::string_view filter);
// The extension a saved name gets when the user types none: "dvx" for
// "Description|*.dvx"; empty when the filter allows more than one.
QString qtDefaultSuffix(std::string_view filter);
// Texts break lines at CR, CR LF or LF.
QString qtMessageText(std::string_view text);

class QtPlatform final : public Platform {
public:
    // programTitle titles the message boxes that come without a title.
    explicit QtPlatform(QString programTitle);

    // The window dialogs are centred on; none centres them on the screen.
    // Returns the previous one.
    QWidget* setDialogParent(QWidget* parent);

    Answer message(std::string_view text, std::string_view title, Icon icon,
                   Buttons buttons) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override;
    std::optional<std::string> openFileName(std::string_view folder,
                                            std::string_view filter) override;
    std::optional<std::string> saveFileName(std::string_view folder, std::string_view filter,
                                            std::string_view suggestedName) override;
    void beep() override;
    void setBusy(bool busy) override;
    bool openExternal(std::string_view fileOrAddress) override;
    std::int32_t secondsSinceMidnight() override;

private:
    QString title(std::string_view title) const;
    QWidget* dialogParent() const;

    QString programTitle_;
    QPointer<QWidget> parent_;
};

// While it lives, messages and file dialogs centre on window (a modeless
// window's own messages appear over it, not over the main window). Does
// nothing for a platform that shows no windows, such as the test recorder.
class ScopedDialogParent final {
public:
    ScopedDialogParent(Platform& platform, QWidget* window);
    ~ScopedDialogParent();
    ScopedDialogParent(const ScopedDialogParent&) = delete;
    ScopedDialogParent& operator=(const ScopedDialogParent&) = delete;

private:
    QtPlatform* platform_;
    QPointer<QWidget> previous_;
};

} // namespace dvx
