#include "DrawList.h"

#include "Format.h"

namespace dvx {

std::string drawListLine(const Estrazione& draw) {
    return "  " + formatPicture(draw.concorso, "00000") + "     |   " + draw.data + "   |   " +
           draw.ora + "   |   " + NumeriToText(draw.numeri, 3) + "   |   " +
           formatPicture(draw.numerone, "0#");
}

std::array<DrawListColumn, 5> drawListColumns() {
    // Every line has the same layout: read the field starts off a sample.
    const auto sample = drawListLine(
        Estrazione{std::string(kDataLength, 'd'), std::string(kOraLength, 'o'), 1, 0x3FF, 1});
    std::array<DrawListColumn, 5> columns{
        {{"Concorso", 0}, {"Data", 0}, {"Ora", 0}, {"Colonna Vincente", 0}, {"Numerone", 0}}};
    int field = 0;
    bool inField = false;
    for (int i = 0; i < static_cast<int>(sample.size()) && field < 5; ++i) {
        const char c = sample[static_cast<std::size_t>(i)];
        if (c == '|') {
            inField = false;
            ++field;
        } else if (c != ' ' && !inField) {
            inField = true;
            columns[static_cast<std::size_t>(field)].column = i;
        }
    }
    return columns;
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
