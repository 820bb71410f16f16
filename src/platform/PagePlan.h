#pragma once
// What a printed page holds, placed in millimetres from the top-left corner of
// the printable area (X to the right, Y downwards). Core functions compute
// these plans; one renderer draws them on a printer, a PDF or the screen.

#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace dvx {

// Text whose cell has its top-left corner at (x, y). A rotated text turns
// counter-clockwise about that corner, so at 90 degrees it rises from y.
// A text that continues the previous one starts where that one ended, on the
// same line top, and ignores x and y.
struct TextItem {
    double x = 0.0;
    double y = 0.0;
    std::string text; // UTF-8
    std::string font = "Arial";
    double sizePoints = 10.0;
    bool bold = false;
    int rotationDegrees = 0;
    bool continuesPrevious = false;
};

// A solid black rectangle.
struct RectItem {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// A picture scaled into the given box; a file that cannot be read is left out.
struct ImageItem {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
    std::string path;
};

using PageItem = std::variant<TextItem, RectItem, ImageItem>;

struct Page {
    std::vector<PageItem> items;
};

enum class PrintQuality { Normal, Draft };

// One print job. Pages are built when they are drawn, so that a run of
// 184756 slips never holds them all at once.
struct PrintDocument {
    std::string title;
    PrintQuality quality = PrintQuality::Normal;
    int pageCount = 0;
    std::function<Page(int index)> page; // 0-based
};

// A document of pages already built.
inline PrintDocument documentOf(std::string title, PrintQuality quality, std::vector<Page> pages) {
    auto shared = std::make_shared<const std::vector<Page>>(std::move(pages));
    PrintDocument document{std::move(title), quality, static_cast<int>(shared->size()), {}};
    document.page = [shared](int index) { return (*shared)[static_cast<std::size_t>(index)]; };
    return document;
}

// The pages of several documents one after the other, as one document (the
// copies of a listing in one PDF file).
inline PrintDocument joinDocuments(const std::vector<PrintDocument>& documents) {
    PrintDocument all;
    if (documents.empty()) {
        return all;
    }
    all.title = documents.front().title;
    all.quality = documents.front().quality;
    for (const auto& d : documents) {
        all.pageCount += d.pageCount;
    }
    all.page = [documents](int index) {
        for (const auto& d : documents) {
            if (index < d.pageCount) {
                return d.page(index);
            }
            index -= d.pageCount;
        }
        return Page{};
    };
    return all;
}

inline constexpr double kMillimetresPerPoint = 25.4 / 72.0;
inline constexpr double kMillimetresPerTwip = 25.4 / 1440.0;

} // namespace dvx
