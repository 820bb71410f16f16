#include "ToggleLabels.h"

#include "CellGrid.h"

#include <QLabel>

namespace dvx {

CellLook toggleLook(bool selected) {
    return selected ? CellLook{kRed, kWhite, false} : CellLook{kWhite, kBlack, false};
}

CellLook outOfPlayLook() {
    return {kWhite, kLightGrey, false};
}

CellGrid* makeToggleLabels(const QString& name, int count, int columns, int firstIndex,
                           std::function<void(int)> onToggle, QWidget* parent) {
    auto* grid = new CellGrid(name, count, columns, true, parent);
    for (int i = 0; i < count; ++i) {
        auto* label = grid->cell(i);
        label->setObjectName(QStringLiteral("%1_%2").arg(name).arg(firstIndex + i));
        setTagged(label, false);
        grid->setLook(i, toggleLook(false));
    }
    grid->onClick = [onToggle = std::move(onToggle), firstIndex](int position) {
        onToggle(firstIndex + position);
    };
    return grid;
}

bool toggleLabel(CellGrid& labels, int position) {
    auto* label = labels.cell(position);
    const bool selected = !isTagged(label);
    setTagged(label, selected);
    labels.setLook(position, toggleLook(selected));
    return selected;
}

bool isTagged(const QLabel* label) {
    return label->property("tag").toString() == QLatin1String("1");
}

void setTagged(QLabel* label, bool selected) {
    label->setProperty("tag", selected ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace dvx
