#include "MatricesList.h"

#include "QtText.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>

#include <algorithm>

namespace dvx {

MatricesList buildMatricesList(QWidget& parent, std::string_view heading,
                               const std::vector<std::string>& lines) {
    const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    MatricesList list;
    list.lblista = new QLabel(qtText(heading), &parent);
    list.lblista->setObjectName(QStringLiteral("lblista"));
    list.lblista->setFont(font);
    list.listbox = new QListWidget(&parent);
    list.listbox->setObjectName(QStringLiteral("listbox"));
    list.listbox->setFont(font);
    std::size_t widest = heading.size();
    for (const auto& line : lines) {
        list.listbox->addItem(qtText(line));
        widest = std::max(widest, line.size());
    }
    // Wide enough for the longest line, and a dozen lines high.
    const QFontMetrics metrics(font);
    list.listbox->setMinimumWidth(
        metrics.horizontalAdvance(QString(static_cast<int>(widest) + 4, QLatin1Char('0'))));
    list.listbox->setMinimumHeight(metrics.height() * 12);
    return list;
}

} // namespace dvx
