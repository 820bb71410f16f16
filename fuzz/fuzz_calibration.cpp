// The calibration reader over any bytes: writing what it read over the same
// bytes reads back the same values and never shortens the file.

#include "Calibration.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = dvx::parseCalibration(bytes);
    const auto written = dvx::calibrationBytes(read, bytes);
    if (written.size() < size) {
        std::abort();
    }
    const auto again = dvx::parseCalibration(written);
    if (again.xDist != read.xDist || again.yDist != read.yDist || again.top != read.top ||
        again.left != read.left || again.quality != read.quality) {
        std::abort();
    }
    return 0;
}
