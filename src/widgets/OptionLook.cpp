#include "OptionLook.h"

#include <QApplication>
#include <QPalette>
#include <QRadioButton>

namespace dvx {

namespace {

QString cssColour(const Rgb& c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b);
}

Rgb rgbOf(const QColor& c) {
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

} // namespace

QString optionStyleSheet(const CellLook& look) {
    return QStringLiteral("QRadioButton { background: %1; color: %2; padding: 4px 10px;"
                          " border-radius: 4px; font-weight: %3; }")
        .arg(cssColour(look.background), cssColour(look.text),
             look.bold ? QStringLiteral("bold") : QStringLiteral("normal"));
}

void showChosenOption(std::span<QRadioButton* const> options, int chosen) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        auto* option = options[i];
        const bool on = static_cast<int>(i) == chosen;
        // The platform's palette, not the option's, which its own style sheet
        // coloured when it was the chosen one.
        const auto palette = QApplication::palette(option);
        const CellLook other{rgbOf(palette.color(QPalette::Active, QPalette::Button)),
                             rgbOf(palette.color(QPalette::Disabled, QPalette::WindowText)), false};
        option->setChecked(on);
        option->setStyleSheet(optionStyleSheet(on ? chosenOptionLook() : other));
    }
}

} // namespace dvx
