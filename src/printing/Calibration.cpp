#include "Calibration.h"
#include "ProgramPaths.h"

#include "LittleEndian.h"

#include "Cp1252.h"
#include "ErrorCodes.h"
#include "FileReplace.h"
#include "Platform.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace dvx {

namespace {

enum Record : std::size_t { XDist, YDist, Top, Left, Quality, Printer };

constexpr std::size_t offsetOf(Record r) {
    return static_cast<std::size_t>(r) * kCalibrationRecordSize;
}

constexpr std::uint16_t kIntegerTag = 2;

float readFloat(std::string_view bytes, Record r) {
    const auto v = std::bit_cast<float>(readLeAt(bytes, offsetOf(r), 4));
    return std::isfinite(v) ? v : 0.0f;
}

} // namespace

Calibration parseCalibration(std::string_view bytes) {
    Calibration c;
    c.xDist = readFloat(bytes, XDist);
    c.yDist = readFloat(bytes, YDist);
    c.top = readFloat(bytes, Top);
    c.left = readFloat(bytes, Left);
    if (readLeAt(bytes, offsetOf(Quality), 2) == kIntegerTag) {
        c.quality = static_cast<std::int16_t>(readLeAt(bytes, offsetOf(Quality) + 2, 2));
    }
    const auto length = readLeAt(bytes, offsetOf(Printer), 2);
    const auto start = offsetOf(Printer) + 2;
    // A name cut short by the end of the file is no name at all.
    if (start + length <= bytes.size()) {
        c.printer = cp1252ToUtf8(bytes.substr(start, length));
    }
    return c;
}

std::string calibrationBytes(const Calibration& calibration, std::string_view previous) {
    auto name = utf8ToCp1252(calibration.printer);
    name.resize(std::min<std::size_t>(name.size(), std::numeric_limits<std::uint16_t>::max()));
    std::string bytes(previous);
    const auto needed = offsetOf(Printer) + 2 + name.size();
    if (bytes.size() < needed) {
        bytes.resize(needed, '\0');
    }
    const float values[] = {calibration.xDist, calibration.yDist, calibration.top,
                            calibration.left};
    for (std::size_t r = 0; r < 4; ++r) {
        writeLeAt(bytes, r * kCalibrationRecordSize, std::bit_cast<std::uint32_t>(values[r]), 4);
    }
    writeLeAt(bytes, offsetOf(Quality), kIntegerTag, 2);
    writeLeAt(bytes, offsetOf(Quality) + 2, static_cast<std::uint16_t>(calibration.quality), 2);
    writeLeAt(bytes, offsetOf(Printer), static_cast<std::uint32_t>(name.size()), 2);
    bytes.replace(offsetOf(Printer) + 2, name.size(), name);
    return bytes;
}

std::string calibrationPath(std::string_view programFolder) {
    return ProgramPaths(programFolder).calibrationFile();
}

Calibration LeggiTaratura(std::string_view programFolder) {
    std::string bytes;
    if (readWholeFile(calibrationPath(programFolder), bytes, kCalibrationMaxSize)) {
        bytes.clear();
    }
    return parseCalibration(bytes);
}

bool SalvaTaratura(std::string_view programFolder, const Calibration& calibration,
                   Platform& platform) {
    const auto path = calibrationPath(programFolder);
    std::string previous;
    if (readWholeFile(path, previous, kCalibrationMaxSize)) {
        previous.clear();
    }
    const auto error = replaceFile(path, calibrationBytes(calibration, previous));
    if (error) {
        platform.message(
            errorMessage(classicErrorOf(error, path), "cmdSalva_Click of Form frmTaratura"));
        return false;
    }
    return true;
}

int scrollValueOf(float millimetres, int maximum) {
    const double hundredths = std::round(static_cast<double>(millimetres) * 100.0);
    return static_cast<int>(std::clamp(hundredths, 0.0, static_cast<double>(maximum)));
}

float millimetresOf(int scrollValue) {
    return static_cast<float>(scrollValue) / 100.0f;
}

} // namespace dvx
