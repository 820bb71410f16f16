#pragma once
// Looks at the ink of a PDF: renders a page with poppler's pdftoppm and
// finds the dark blobs on it, in millimetres from the page's top-left corner;
// reads the text with pdftotext and the page count with pdfinfo.

#include "CliRunner.h"
#include "PagePlan.h"
#include "ScratchFolder.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace dvx::test {

inline bool popplerAvailable() {
    return std::filesystem::exists("/usr/bin/pdftoppm") &&
           std::filesystem::exists("/usr/bin/pdftotext") &&
           std::filesystem::exists("/usr/bin/pdfinfo");
}

struct InkPage {
    int width = 0;
    int height = 0;
    double dotsPerMm = 0.0;
    std::vector<std::uint8_t> gray; // row by row, 0 black .. 255 white

    bool dark(int x, int y) const {
        return gray[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)] < 128;
    }
};

// Page 1-based; nullopt when poppler cannot render it.
inline std::optional<InkPage> renderPage(const std::string& pdf, int page, int dpi = 300) {
    ScratchFolder scratch;
    const auto prefix = scratch.file("page");
    const auto run = runProgram("/usr/bin/pdftoppm",
                                {"-gray", "-r", std::to_string(dpi), "-f", std::to_string(page),
                                 "-l", std::to_string(page), "-singlefile", pdf, prefix});
    if (run.status != 0) {
        return std::nullopt;
    }
    const auto bytes = scratch.read("page.pgm");
    std::istringstream in(bytes);
    std::string magic;
    int maxValue = 0;
    InkPage ink;
    in >> magic >> ink.width >> ink.height >> maxValue;
    in.get();
    if (magic != "P5" || maxValue != 255) {
        return std::nullopt;
    }
    const auto offset = static_cast<std::size_t>(in.tellg());
    ink.gray.assign(bytes.begin() + static_cast<std::ptrdiff_t>(offset), bytes.end());
    if (ink.gray.size() !=
        static_cast<std::size_t>(ink.width) * static_cast<std::size_t>(ink.height)) {
        return std::nullopt;
    }
    ink.dotsPerMm = dpi / 25.4;
    return ink;
}

// One connected patch of dark pixels; the box is in millimetres and spans
// the outer edges of its pixels.
struct Blob {
    double left = 0, top = 0, right = 0, bottom = 0;
    double fill = 0; // dark pixels over the box's pixels

    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

inline std::vector<Blob> findBlobs(const InkPage& ink) {
    std::vector<Blob> blobs;
    std::vector<bool> seen(ink.gray.size(), false);
    std::vector<std::pair<int, int>> stack;
    for (int y = 0; y < ink.height; ++y) {
        for (int x = 0; x < ink.width; ++x) {
            const auto at = static_cast<std::size_t>(y) * static_cast<std::size_t>(ink.width) +
                            static_cast<std::size_t>(x);
            if (seen[at] || !ink.dark(x, y)) {
                continue;
            }
            int x0 = x, x1 = x, y0 = y, y1 = y;
            long count = 0;
            seen[at] = true;
            stack.push_back({x, y});
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                ++count;
                x0 = std::min(x0, px), x1 = std::max(x1, px);
                y0 = std::min(y0, py), y1 = std::max(y1, py);
                const std::pair<int, int> next[] = {
                    {px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}};
                for (const auto& [nx, ny] : next) {
                    if (nx < 0 || ny < 0 || nx >= ink.width || ny >= ink.height) {
                        continue;
                    }
                    const auto n =
                        static_cast<std::size_t>(ny) * static_cast<std::size_t>(ink.width) +
                        static_cast<std::size_t>(nx);
                    if (!seen[n] && ink.dark(nx, ny)) {
                        seen[n] = true;
                        stack.push_back({nx, ny});
                    }
                }
            }
            Blob blob;
            blob.left = x0 / ink.dotsPerMm;
            blob.top = y0 / ink.dotsPerMm;
            blob.right = (x1 + 1) / ink.dotsPerMm;
            blob.bottom = (y1 + 1) / ink.dotsPerMm;
            blob.fill = static_cast<double>(count) / ((x1 - x0 + 1.0) * (y1 - y0 + 1.0));
            blobs.push_back(blob);
        }
    }
    return blobs;
}

// The solid squares of about side millimetres: the printed marks.
inline std::vector<Blob> solidSquares(const std::vector<Blob>& blobs, double side) {
    std::vector<Blob> squares;
    for (const auto& b : blobs) {
        if (b.fill > 0.95 && std::abs(b.width() - side) < 0.4 &&
            std::abs(b.height() - side) < 0.4) {
            squares.push_back(b);
        }
    }
    return squares;
}

// Compares the solid squares of a rendered page with the marks of its plan:
// every mark found within tolerance millimetres on each edge, and no square
// that the plan did not ask for. Empty when they agree, else what differs.
inline std::string compareMarks(const Page& plan, const InkPage& ink, double tolerance) {
    const auto squares = solidSquares(findBlobs(ink), 2.0);
    std::vector<bool> used(squares.size(), false);
    std::ostringstream problems;
    int marks = 0;
    for (const auto& item : plan.items) {
        const auto* m = std::get_if<RectItem>(&item);
        if (!m) {
            continue;
        }
        ++marks;
        bool found = false;
        for (std::size_t i = 0; i < squares.size() && !found; ++i) {
            const auto& s = squares[i];
            if (!used[i] && std::abs(s.left - m->x) <= tolerance &&
                std::abs(s.top - m->y) <= tolerance &&
                std::abs(s.right - (m->x + m->width)) <= tolerance &&
                std::abs(s.bottom - (m->y + m->height)) <= tolerance) {
                used[i] = found = true;
            }
        }
        if (!found) {
            problems << "no mark at " << m->x << "," << m->y << "; ";
        }
    }
    for (std::size_t i = 0; i < squares.size(); ++i) {
        if (!used[i]) {
            problems << "stray mark at " << squares[i].left << "," << squares[i].top << "; ";
        }
    }
    if (marks == 0) {
        problems << "the plan has no marks";
    }
    return problems.str();
}

inline std::string pdfText(const std::string& pdf, bool layout = true) {
    std::vector<std::string> args;
    if (layout) {
        args.push_back("-layout");
    }
    args.push_back(pdf);
    args.push_back("-");
    return runProgram("/usr/bin/pdftotext", args).out;
}

// -1 when pdfinfo cannot read the file.
inline int pdfPageCount(const std::string& pdf) {
    const auto run = runProgram("/usr/bin/pdfinfo", {pdf});
    std::istringstream lines(run.out);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("Pages:", 0) == 0) {
            return std::stoi(line.substr(6));
        }
    }
    return -1;
}

} // namespace dvx::test
