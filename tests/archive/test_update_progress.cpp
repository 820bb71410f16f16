#include "UpdateProgress.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

TEST(UpdateProgress, SaysHowMuchHasArrived) {
    const std::string waiting = "Aggiornamento in corso\r\nAttendere....";
    EXPECT_EQ(updateProgressText(0, -1), waiting);
    EXPECT_EQ(updateProgressText(1, -1), waiting + "\r\n1 KB ricevuti");
    EXPECT_EQ(updateProgressText(1024, 4096), waiting + "\r\n1 KB di 4 KB");
    EXPECT_EQ(updateProgressText(1025, 0), waiting + "\r\n2 KB ricevuti");
    EXPECT_EQ(updateProgressText(1536 * 1024, 3 * 1024 * 1024, Separators{".", ","}),
              waiting + "\r\n1.536 KB di 3.072 KB");
}

} // namespace
} // namespace dvx
