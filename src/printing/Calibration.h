#pragma once
// The slip calibration of this installation and its file "print.cfg": six
// values, each at the start of its own 128-byte record.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace dvx {

class Platform;

inline constexpr std::int16_t kQualityNormale = 9999; // medium print quality
inline constexpr std::int16_t kQualityBassa = 1111;   // draft; any other value counts as draft
inline constexpr std::size_t kCalibrationRecordSize = 128;
// Five records, then the printer name with its 16-bit length.
inline constexpr std::size_t kCalibrationMaxSize = 5 * kCalibrationRecordSize + 2 + 65535;

// Millimetres; the printer is its device name (UTF-8 here, Windows-1252 on disk).
struct Calibration {
    float xDist = 0.0f; // between the rows of the slip grid
    float yDist = 0.0f; // between the columns of the slip grid
    float top = 0.0f;   // Y of the first box
    float left = 0.0f;  // X of the first box
    std::int16_t quality = 0;
    std::string printer;

    bool normalQuality() const { return quality == kQualityNormale; }
};

// Reads the six records; bytes the file lacks read as 0, values that are not
// finite numbers as 0, a quality without its integer tag as draft.
Calibration parseCalibration(std::string_view bytes);

// The file's new content: previous (the file as it is, possibly empty) with
// the six values written over it. The file never gets shorter, so bytes of
// an earlier, longer printer name stay beyond the new one.
std::string calibrationBytes(const Calibration& calibration, std::string_view previous);

std::string calibrationPath(std::string_view programFolder);

// Reads "print.cfg"; a missing file gives every value 0 and no printer.
Calibration LeggiTaratura(std::string_view programFolder);

// Writes "print.cfg" through a temporary file; on failure shows
// "Error N (...) in procedure cmdSalva_Click of Form frmTaratura".
bool SalvaTaratura(std::string_view programFolder, const Calibration& calibration,
                   Platform& platform);

// Scroll bars hold hundredths of a millimetre: Top and Left up to 30000,
// Xdist and Ydist up to 3000.
inline constexpr int kPositionScrollMax = 30000;
inline constexpr int kDistanceScrollMax = 3000;
int scrollValueOf(float millimetres, int maximum); // rounded, within 0..maximum
float millimetresOf(int scrollValue);

} // namespace dvx
