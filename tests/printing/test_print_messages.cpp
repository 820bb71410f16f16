// The texts of print runs: the slip counter and the failure messages.

#include "PrintMessages.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

TEST(PrintMessages, TheCounterShowsSixDigits) {
    EXPECT_EQ(slipCounterText(0), "Scheda n. 000000");
    EXPECT_EQ(slipCounterText(12), "Scheda n. 000012");
    EXPECT_EQ(slipCounterText(184756), "Scheda n. 184756");
}

TEST(PrintMessages, FailuresNameWhereTheyHappened) {
    const PrintFailure printer{482, "Printer error"};
    EXPECT_EQ(slipRunFailureText(printer, true),
              "Error 482 (Printer error) in procedure Stampa Prospetto");
    EXPECT_EQ(slipRunFailureText(printer, false),
              "Error 482 (Printer error) in procedure cmdStampa_Click of Form frmStampa");
    EXPECT_EQ(printFailureText({76, "Path not found"}, "Stampa Tabulato"),
              "Error 76 (Path not found) in procedure Stampa Tabulato");
    EXPECT_EQ(testPrintFailureText(printer), "Stampante non installata");
    EXPECT_EQ(testPrintFailureText({75, "Path/File access error"}),
              "Errore Stampante non previsto");
}

} // namespace
} // namespace dvx
