#pragma once
// What the print windows show about a print run: the running slip number and
// the messages of a failed run.

#include "Printer.h"

#include <string>
#include <string_view>

namespace dvx {

// "Scheda n. 000012"
std::string slipCounterText(int slip);

inline constexpr std::string_view kInterruptQuestion = "Sicuro di interrompere la stampa ?";
inline constexpr std::string_view kProgressCaption = "Stampa in corso...";

// "Error 482 (Printer error) in procedure " + where; OK only, no icon, no title.
std::string printFailureText(const PrintFailure& failure, std::string_view where);

// Where a failed slip run stopped: the coupon page is "Stampa Prospetto",
// a slip page the print button's procedure.
std::string slipRunFailureText(const PrintFailure& failure, bool failedOnCoupon);

// The calibration's test print: "Stampante non installata" for the printer
// error, "Errore Stampante non previsto" for any other; titled
// "!!! E R R O R E !!!" with the critical icon.
std::string testPrintFailureText(const PrintFailure& failure);
inline constexpr std::string_view kTestPrintFailureTitle = "!!! E R R O R E !!!";

} // namespace dvx
