#include "CellLook.h"

namespace dvx {

CellLook numberCellLook(bool selected) {
    return selected ? CellLook{kGreen, kWhite, true} : CellLook{kWhite, kGreen, false};
}

CellLook numeroneCellLook(NumeroneCell cell) {
    switch (cell) {
    case NumeroneCell::Chosen:
        return {kYellow, kBlack, true};
    case NumeroneCell::NotChosen:
        return {kWhite, kSilver, false};
    case NumeroneCell::AfterReset:
        break;
    }
    return {kWhite, kGreen, false};
}

CellLook chosenOptionLook() {
    return {kYellow, kBlack, false};
}

} // namespace dvx
