#include "ConditionCommon.h"

#include "Format.h"

namespace dvx {

std::string twoDigits(int value) {
    return formatPicture(value, "00");
}

} // namespace dvx
