#pragma once
// The "Condizione" frame of a condition dialog: two option buttons "ON"
// (index 0) and "OFF" (index 1), named name + "_0" and name + "_1".

#include <QGroupBox>

#include <array>
#include <functional>

class QRadioButton;

namespace dvx {

class OnOffPair final : public QGroupBox {
public:
    OnOffPair(const QString& title, const QString& name, QWidget* parent = nullptr);

    // Called when the user chooses an option.
    std::function<void(int)> onChoose;

    void showChosen(int option);
    QRadioButton* option(int index) const { return options_[static_cast<std::size_t>(index)]; }

private:
    std::array<QRadioButton*, 2> options_{};
};

} // namespace dvx
