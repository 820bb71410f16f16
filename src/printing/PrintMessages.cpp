#include "PrintMessages.h"

#include "Format.h"

namespace dvx {

std::string slipCounterText(int slip) {
    return "Scheda n. " + formatPicture(slip, "000000");
}

std::string printFailureText(const PrintFailure& failure, std::string_view where) {
    return "Error " + std::to_string(failure.number) + " (" + failure.description +
           ") in procedure " + std::string(where);
}

std::string slipRunFailureText(const PrintFailure& failure, bool failedOnCoupon) {
    return printFailureText(failure, failedOnCoupon ? "Stampa Prospetto"
                                                    : "cmdStampa_Click of Form frmStampa");
}

std::string testPrintFailureText(const PrintFailure& failure) {
    return failure.number == kErrPrinter ? "Stampante non installata"
                                         : "Errore Stampante non previsto";
}

} // namespace dvx
