#pragma once
// Reading page plans in tests: the texts and rectangles of a page.

#include "PagePlan.h"

#include <string>
#include <vector>

namespace dvx::test {

inline std::vector<TextItem> textsOf(const Page& page) {
    std::vector<TextItem> out;
    for (const auto& item : page.items) {
        if (const auto* t = std::get_if<TextItem>(&item)) {
            out.push_back(*t);
        }
    }
    return out;
}

inline std::vector<RectItem> rectsOf(const Page& page) {
    std::vector<RectItem> out;
    for (const auto& item : page.items) {
        if (const auto* r = std::get_if<RectItem>(&item)) {
            out.push_back(*r);
        }
    }
    return out;
}

inline std::vector<ImageItem> imagesOf(const Page& page) {
    std::vector<ImageItem> out;
    for (const auto& item : page.items) {
        if (const auto* i = std::get_if<ImageItem>(&item)) {
            out.push_back(*i);
        }
    }
    return out;
}

} // namespace dvx::test
