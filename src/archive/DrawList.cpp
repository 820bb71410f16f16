#include "DrawList.h"

#include "Format.h"

namespace dvx {

std::string drawListLine(const Estrazione& draw) {
    return "  " + formatPicture(draw.concorso, "00000") + "     |   " + draw.data + "   |   " +
           draw.ora + "   |   " + NumeriToText(draw.numeri, 3) + "   |   " +
           formatPicture(draw.numerone, "0#");
}

DrawList PopolaListView(const Archivio& archivio) {
    DrawList list;
    for (int i = archivio.upperBound(); i >= 1; --i) {
        if (archivio[i].numeri > 0) {
            list.lines.push_back(drawListLine(archivio[i]));
            list.records.push_back(i);
        }
    }
    if (!list.lines.empty()) {
        list.lastDraw = list.lines.front();
        list.total = std::to_string(archivio.upperBound());
    }
    return list;
}

std::optional<int> drawOfListLine(const DrawList& list, int line) {
    if (line < 0 || line >= static_cast<int>(list.records.size())) {
        return std::nullopt;
    }
    return list.records[static_cast<std::size_t>(line)];
}

std::string winningColumnMessage(const Estrazione& draw) {
    return "La Colonna \r\n" + NumeriToText(draw.numeri, 1) + "\r\ndel " + draw.data +
           " alle ore " + draw.ora + "\r\nè stata impostata come nuova colonna di Spoglio";
}

} // namespace dvx
