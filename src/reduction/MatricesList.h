#pragma once
// What the two matrix windows share: a heading over a list of lines, both
// in one fixed-pitch font so that the columns line up.

#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QListWidget;
class QWidget;

namespace dvx {

struct MatricesList {
    QLabel* lblista = nullptr;
    QListWidget* listbox = nullptr;
};

MatricesList buildMatricesList(QWidget& parent, std::string_view heading,
                               const std::vector<std::string>& lines);

} // namespace dvx
