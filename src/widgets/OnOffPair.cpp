#include "OnOffPair.h"

#include "OptionLook.h"

#include <QHBoxLayout>
#include <QRadioButton>

namespace dvx {

OnOffPair::OnOffPair(const QString& title, const QString& name, QWidget* parent)
    : QGroupBox(title, parent) {
    setObjectName(QStringLiteral("Frame3"));
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(12);
    const std::array captions{QStringLiteral("ON"), QStringLiteral("OFF")};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(captions[static_cast<std::size_t>(i)], this);
        button->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        button->setMinimumWidth(72);
        connect(button, &QRadioButton::clicked, this, [this, i] {
            if (onChoose) {
                onChoose(i);
            }
        });
        layout->addWidget(button);
        options_[static_cast<std::size_t>(i)] = button;
    }
    layout->addStretch();
}

void OnOffPair::showChosen(int chosen) {
    showChosenOption(options_, chosen);
}

} // namespace dvx
