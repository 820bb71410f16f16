#pragma once
// The printed listing ("Tabulato") of the current system: a first page with
// the summary, the forecast and the conditions, then the columns upright in
// bands of 19, three bands on the first page and five on each later one.

#include "Format.h"
#include "Model.h"
#include "PagePlan.h"

#include <string>
#include <string_view>
#include <vector>

namespace dvx {

inline constexpr int kListingBandColumns = 19;
inline constexpr int kListingFirstPageBands = 3;
inline constexpr int kListingLaterPageBands = 5;
inline constexpr std::string_view kListingFont = "Courier New";

// The pictures, in the folder "images" of the program folder.
struct ListingImages {
    std::string logo;
    std::string vietato;
};
ListingImages listingImages(std::string_view programFolder, bool colour);
// The same pictures in a folder of their own (ending with '/').
ListingImages listingImagesIn(std::string_view imagesFolder, bool colour);

struct ListingInputs {
    const SystemState* system = nullptr;
    std::string header;     // the settings' print header
    std::string systemName; // the main window's first status panel
    ListingImages images;
    Separators separators;
};

int listingBandCount(int columnCount);

// One copy of the listing.
PrintDocument listingDocument(const ListingInputs& inputs);

// Each copy its own print job, first page included.
std::vector<PrintDocument> listingCopies(const ListingInputs& inputs, int copies);

// The line as the classic print zones lay it out: a TAB moves to the next
// multiple of 14 characters.
std::string expandPrintZones(std::string_view line);

} // namespace dvx
