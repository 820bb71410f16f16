#include "ListingPlan.h"

#include "LineHeight.h"
#include "NumberSet.h"
#include "PrintedTexts.h"
#include "ProgramPaths.h"

#include <algorithm>

namespace dvx {

namespace {

// Positions are the classic printer twips.
constexpr double kLeftTwips = 120;
constexpr double kStepTwips = 250;
constexpr double kPictureXTwips = 4000;
constexpr double kVietatoYTwips = 3850;
constexpr double kFontSize = 10;
constexpr int kRuleLength = 96;
constexpr int kShortRuleLength = 50;
constexpr int kPrintZone = 14;

// Picture sizes on paper, millimetres: the logo stays clear of the long
// "Numeri in gioco" line.
constexpr double kLogoWidth = 55.0;
constexpr double kLogoHeight = 20.0;
constexpr double kVietatoSide = 25.0;

double mm(double twips) {
    return twips * kMillimetresPerTwip;
}

std::string rule(int length) {
    std::string out;
    for (int i = 0; i < length; ++i) {
        out += "\u2014";
    }
    return out;
}

// The print position of the classic printer, on the pages of one document.
class ListingWriter final {
public:
    ListingWriter() { pages_.emplace_back(); }

    void setBold(bool bold) { bold_ = bold; }
    // A line of text at the left margin; the printer's own line break moves
    // down by one line of the font, otherwise the position stays.
    void print(std::string_view text, bool lineBreak = true) {
        pages_.back().items.push_back(TextItem{mm(kLeftTwips), y_, expandPrintZones(text),
                                               std::string(kListingFont), kFontSize, bold_, 0,
                                               false});
        if (lineBreak) {
            y_ += lineHeight(kFontSize, kCourierNewLineEm);
        }
    }
    void down(double twips) { y_ += mm(twips); }
    double y() const { return y_; }
    void image(const std::string& path, double x, double y, double width, double height) {
        pages_.back().items.push_back(ImageItem{x, y, width, height, path});
    }
    void newPage() {
        pages_.emplace_back();
        y_ = 0.0;
    }
    std::vector<Page> pages() && { return std::move(pages_); }

private:
    std::vector<Page> pages_;
    double y_ = 0.0; // millimetres
    bool bold_ = false;
};

std::string twoDigits(int n, std::string_view picture = "0# ") {
    return formatPicture(n, picture);
}

void printSummary(ListingWriter& w, const ListingInputs& in) {
    const auto& system = *in.system;
    const auto& sistema = system.sistema;
    w.print("Nome Sistema " + in.systemName, false);
    w.image(in.images.logo, mm(kPictureXTwips), w.y(), kLogoWidth, kLogoHeight);
    w.down(500);
    w.print("Colonne Sistema " + std::to_string(sistema.columnCount));
    w.down(kStepTwips);
    const double cost = static_cast<double>(system.pricePerColumn) * sistema.columnCount;
    w.print("Importo Sistema " + formatPicture(cost, "€ ###,###,###.00", in.separators));
    w.down(kStepTwips);
    std::string inPlay = "Numeri in gioco [" + std::to_string(sistema.countInPlay) + "]\t" +
                         "Tipo Sistema [" + sistema.typeText + "]\t";
    if (system.numerone != 0) {
        inPlay += "Numerone [" + formatPicture(system.numerone, "00]");
    }
    w.print(inPlay);
    w.down(kStepTwips);
}

void printForecast(ListingWriter& w, const Sistema& sistema) {
    w.print(rule(kRuleLength));
    w.print("Pronostico Sistema");
    w.print(rule(kRuleLength));
    std::string numbers;
    for (int i = 0; i < sistema.countInPlay && i < kNumbers; ++i) {
        numbers += formatPicture(sistema.numbers[static_cast<std::size_t>(i)], "00 ");
    }
    w.print(numbers, false);
    w.down(kStepTwips);
}

void printConditions(ListingWriter& w, const SystemState& system) {
    const auto& c = system.condizioni;
    w.print(rule(kRuleLength));
    w.print("Condizioni sistema ");
    w.print(rule(kShortRuleLength));
    if (c.sommaOn) {
        w.print("Somma   : Da " + std::to_string(c.somma[0]) + " A " + std::to_string(c.somma[1]));
    } else {
        w.print("Somma   : Da -- " + std::string(" A --"));
    }
    std::string even = "Pari    : ";
    std::string odd = "Dispari : ";
    if (c.pariDispariOn) {
        for (int e = 0; e <= kColumnSize; ++e) {
            if (c.pariDispari[static_cast<std::size_t>(e)]) {
                even += twoDigits(e);
                odd += twoDigits(kColumnSize - e);
            }
        }
    }
    w.print(even);
    w.print(odd);
    std::string fixed = "Fisse   : ";
    if (c.fisseOn) {
        for (int i = 1; i <= c.fisseCount && i <= kMaxFixed; ++i) {
            fixed += twoDigits(c.fisse[static_cast<std::size_t>(i)]);
        }
    }
    w.print(fixed);
    w.print("Consecutivi : " +
            (system.consecutivi.on ? bitListText(system.consecutivi.runsMask) : std::string()));
}

void printBand(ListingWriter& w, const SystemState& system, int first, int last) {
    w.print(rule(kRuleLength));
    for (int i = 0; i < kColumnSize; ++i) {
        std::string line;
        for (int k = first; k <= last; ++k) {
            line += formatPicture(system.colonne.row(k)[i], "00 ") + "| ";
        }
        w.print(line, false);
        w.down(kStepTwips);
    }
    w.print(rule(kRuleLength));
    w.down(kStepTwips);
}

void printBands(ListingWriter& w, const ListingInputs& in) {
    const int columns = std::max(0, in.system->sistema.columnCount);
    const int bands = listingBandCount(columns);
    int page = 1;
    int onPage = 0;
    for (int b = 1; b <= bands; ++b) {
        const int first = kListingBandColumns * (b - 1) + 1;
        printBand(w, *in.system, first, std::min(columns, first + kListingBandColumns - 1));
        ++onPage;
        const int capacity = page == 1 ? kListingFirstPageBands : kListingLaterPageBands;
        if (onPage == capacity && b < bands) {
            w.newPage();
            ++page;
            onPage = 0;
            w.down(kStepTwips);
            w.setBold(true);
            w.print("Pag. " + std::to_string(page) + " del sistema " + in.systemName + " - " +
                    std::string(kProductName) + " - " + std::string(kWebAddress));
            w.setBold(false);
            w.print("");
        }
    }
}

} // namespace

namespace {

struct ImageNames {
    std::string_view logo;
    std::string_view vietato;
};

ImageNames imageNames(bool colour) {
    return colour ? ImageNames{"logoTabulato.jpg", "vietato.jpg"}
                  : ImageNames{"logoTabulatoBW.jpg", "vietatoBW.jpg"};
}

} // namespace

ListingImages listingImages(std::string_view programFolder, bool colour) {
    const ProgramPaths paths(programFolder);
    const auto names = imageNames(colour);
    return {paths.image(names.logo), paths.image(names.vietato)};
}

ListingImages listingImagesIn(std::string_view imagesFolder, bool colour) {
    const auto names = imageNames(colour);
    const std::string folder(imagesFolder);
    return {folder + std::string(names.logo), folder + std::string(names.vietato)};
}

int listingBandCount(int columnCount) {
    return columnCount <= 0 ? 0 : (columnCount + kListingBandColumns - 1) / kListingBandColumns;
}

PrintDocument listingDocument(const ListingInputs& in) {
    ListingWriter w;
    w.down(kStepTwips);
    w.setBold(true);
    w.print("Pag. 1 " + in.header + " - By Quorvel - " + std::string(kWebAddress));
    w.setBold(false);
    w.print(rule(kRuleLength));
    printSummary(w, in);
    printForecast(w, in.system->sistema);
    printConditions(w, *in.system);
    w.down(kStepTwips);
    w.image(in.images.vietato, mm(kPictureXTwips), mm(kVietatoYTwips), kVietatoSide, kVietatoSide);
    w.print("Sviluppo");
    printBands(w, in);
    return documentOf("Tabulato " + in.systemName, PrintQuality::Normal, std::move(w).pages());
}

std::vector<PrintDocument> listingCopies(const ListingInputs& inputs, int copies) {
    if (copies <= 0) {
        return {};
    }
    // The copies share their pages; each is still its own job.
    return std::vector<PrintDocument>(static_cast<std::size_t>(copies), listingDocument(inputs));
}

std::string expandPrintZones(std::string_view line) {
    std::string out;
    std::size_t column = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto ch = static_cast<unsigned char>(line[i]);
        if (ch == '\t') {
            const auto next = (column / kPrintZone + 1) * kPrintZone;
            out.append(next - column, ' ');
            column = next;
            continue;
        }
        out += line[i];
        column += (ch & 0xC0) != 0x80; // one column per character, not per byte
    }
    return out;
}

} // namespace dvx
