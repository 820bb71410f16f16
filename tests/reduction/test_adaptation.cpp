#include "Adaptation.h"
#include "MatrixFile.h"
#include "Progress.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "SystemOps.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dvx {
namespace {

const std::vector<int> kExampleNumbers = {1, 3, 5, 7, 9, 11, 12, 13, 15, 17, 19, 20};

std::vector<int> listOf(const Sistema& s) {
    return {s.numbers.begin(), s.numbers.begin() + s.countInPlay};
}

std::vector<int> rowOf(const SystemState& state, int r) {
    return {state.colonne.row(r), state.colonne.row(r) + kColumnSize};
}

class Adaptation : public ::testing::Test {
protected:
    test::ScratchFolder dir;
    test::RecordingPlatform platform;
    Progress progress;
    SystemState state;

    void play(const std::vector<int>& numbers) {
        for (int n : numbers) {
            selectNumber(state, n, true);
        }
        rebuildNumbersInPlay(state);
        state.pricePerColumn = 2.0f;
        platform.defaultAnswer = Answer::No; // keep the adapted order
    }

    // A matrix for the numbers in play with the given type, F and columns.
    MatrixRecord matrix(std::string type, int fixed, const std::vector<std::uint8_t>& positions,
                        std::string file = "m.txt") {
        dir.write("matrici/" + file, formatMatrixText(positions));
        return {std::move(type),
                state.sistema.countInPlay,
                "  Ridotto 12 Numeri Garanzia 9",
                static_cast<std::uint8_t>(fixed),
                static_cast<std::int32_t>(positions.size() / kColumnSize),
                std::move(file)};
    }

    AdaptationResult adapt(const MatrixRecord& r) {
        return adaptMatrix(state, dir.folder(), r, platform, progress);
    }
};

TEST_F(Adaptation, FixedNumberMovesToTheFirstPositionAndBuildsTheSystem) {
    play(kExampleNumbers);
    const auto r =
        matrix("N-1", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3});
    platform.inputs = {"13"};
    const auto result = adapt(r);

    ASSERT_EQ(platform.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts[0], "Valore Fissa N. 1 ?|Numero fisse|1");
    EXPECT_EQ(listOf(state.sistema), (std::vector<int>{13, 3, 5, 7, 9, 11, 12, 1, 15, 17, 19, 20}));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "Le Fisse del sistema sono\r\r13   \r\r");
    EXPECT_EQ(platform.messages[0].title, "A V V I S O");
    EXPECT_EQ(platform.messages[0].icon, Icon::Question);
    EXPECT_EQ(platform.messages[0].buttons, Buttons::OkCancel);

    // Position 1 is 13 wherever it stands; each row ends up ascending.
    EXPECT_EQ(rowOf(state, 1), (std::vector<int>{1, 3, 5, 7, 9, 11, 12, 13, 15, 17}));
    EXPECT_EQ(rowOf(state, 2), (std::vector<int>{1, 5, 7, 9, 11, 12, 15, 17, 19, 20}));
    EXPECT_EQ(state.sistema.columnCount, 2);
    EXPECT_TRUE(state.developed());
    EXPECT_EQ(state.sistema.typeText, "ridotto 12 numeri garanzia 9");
    EXPECT_EQ(state.condizioni.fisseOn, kTrue);
    EXPECT_EQ(state.condizioni.fisseCount, 1);
    EXPECT_EQ(state.condizioni.fisse[1], 13);
    EXPECT_EQ(state.condizioni.ridottoOn, kTrue);
    EXPECT_EQ(state.condizioni.ridottoLevel, 1);
    EXPECT_EQ(platform.messages[1].text, "Vuoi mescolare le colonne");

    EXPECT_TRUE(result.adapted);
    EXPECT_TRUE(result.developed);
    EXPECT_TRUE(result.menuFisseChecked);
    EXPECT_TRUE(result.menuRidottoChecked);
    EXPECT_EQ(result.status.count, "2");
    EXPECT_EQ(result.status.cost, formatCost(4.0));
    EXPECT_EQ(result.status.type, "ridotto 12 numeri garanzia 9");
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(Adaptation, WrongAnswersAskTheSamePromptAgain) {
    play(kExampleNumbers);
    const auto r = matrix("N-2", 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    // Not in play, empty, not a number, in play: then the first number again
    // (already fixed) and a fresh one.
    platform.inputs = {"4", "", "abc", "20", "20", "05"};
    const auto result = adapt(r);

    ASSERT_EQ(platform.prompts.size(), 6u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(platform.prompts[i].substr(0, 20), "Valore Fissa N. 1 ?|") << i;
    }
    EXPECT_EQ(platform.prompts[4], "Valore Fissa N. 2 ?|Numero fisse|3");
    EXPECT_EQ(platform.prompts[5], "Valore Fissa N. 2 ?|Numero fisse|3");
    EXPECT_EQ(platform.messages[0].text, "Le Fisse del sistema sono\r\r20   05   \r\r");
    EXPECT_EQ(listOf(state.sistema), (std::vector<int>{20, 5, 3, 7, 9, 11, 12, 13, 15, 17, 19, 1}));
    EXPECT_EQ(state.condizioni.fisse[1], 20);
    EXPECT_EQ(state.condizioni.fisse[2], 5);
    EXPECT_EQ(state.condizioni.fisseCount, 2);
    EXPECT_EQ(state.condizioni.ridottoLevel, 2);
    EXPECT_TRUE(result.adapted);
}

TEST_F(Adaptation, WithoutFixedPositionsNothingIsAskedAndConditionsAreCleared) {
    play(kExampleNumbers);
    state.condizioni.sommaOn = kTrue;
    state.condizioni.fisseOn = kTrue;
    state.condizioni.fisse[1] = 3;
    state.condizioni.fisseCount = 1;
    state.filtri.count = 1;
    state.filtri.entries[1].active = kTrue;
    const auto r = matrix("XYZ", 0, {12, 11, 10, 9, 8, 7, 6, 5, 4, 3});
    const auto result = adapt(r);

    EXPECT_TRUE(platform.prompts.empty());
    ASSERT_EQ(platform.messages.size(), 1u); // only the shuffle offer
    EXPECT_EQ(rowOf(state, 1), (std::vector<int>{5, 7, 9, 11, 12, 13, 15, 17, 19, 20}));
    EXPECT_EQ(state.condizioni.sommaOn, kFalse);
    EXPECT_EQ(state.condizioni.fisseOn, kFalse);
    EXPECT_EQ(state.condizioni.fisseCount, 0);
    EXPECT_EQ(state.filtri.count, 0);
    EXPECT_EQ(state.condizioni.ridottoOn, kFalse);
    EXPECT_EQ(state.condizioni.ridottoLevel, 0);
    EXPECT_EQ(state.sistema.countInPlay, 12);
    EXPECT_FALSE(result.menuFisseChecked);
    EXPECT_FALSE(result.menuRidottoChecked);
}

TEST_F(Adaptation, EmptyMatrixBuildsNoDevelopedSystem) {
    play(kExampleNumbers);
    const auto result = adapt(matrix("n-3", 0, {}));
    EXPECT_TRUE(result.adapted);
    EXPECT_FALSE(result.developed);
    EXPECT_FALSE(state.developed());
    EXPECT_EQ(state.sistema.columnCount, 0);
    EXPECT_EQ(state.condizioni.ridottoLevel, 3);
}

// Everything the adaptation may not touch when it ends without a new system.
void expectUntouched(const SystemState& state) {
    EXPECT_EQ(state.sistema.columnCount, 0);
    EXPECT_TRUE(state.sistema.typeText.empty());
    EXPECT_FALSE(state.developed());
    EXPECT_EQ(state.condizioni.sommaOn, kTrue);
    EXPECT_EQ(state.condizioni.somma[1], 120);
    EXPECT_EQ(state.colonne.row(1)[0], 0);
}

TEST_F(Adaptation, CancelOnTheConfirmationChangesOnlyTheArrangement) {
    play(kExampleNumbers);
    state.condizioni.sommaOn = kTrue;
    state.condizioni.somma = {60, 120};
    const auto r = matrix("N-1", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    platform.inputs = {"13"};
    platform.answers = {Answer::Cancel};
    const auto result = adapt(r);

    EXPECT_FALSE(result.adapted);
    expectUntouched(state);
    EXPECT_EQ(listOf(state.sistema), (std::vector<int>{13, 3, 5, 7, 9, 11, 12, 1, 15, 17, 19, 20}));
    EXPECT_EQ(platform.messages.size(), 1u); // no shuffle offer
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(Adaptation, CancelOnTheFixedNumberPromptEndsWithoutMessages) {
    play(kExampleNumbers);
    state.condizioni.sommaOn = kTrue;
    state.condizioni.somma = {60, 120};
    const auto r = matrix("N-1", 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    platform.inputs = {"13", std::nullopt};
    const auto result = adapt(r);

    EXPECT_FALSE(result.adapted);
    EXPECT_EQ(platform.prompts.size(), 2u);
    EXPECT_TRUE(platform.messages.empty());
    expectUntouched(state);
    EXPECT_EQ(platform.busyDepth, 0);
}

struct RefusalCase {
    const char* name;
    std::string fileText;     // written as matrici/m.txt unless empty
    int numbersDelta;         // added to the record's N
    int fixed;                // F of the record
    std::int32_t columns;     // the record's column count
    std::string expectedText; // "@" stands for the matrix path
    std::string expectedTitle;
    Icon expectedIcon;
};

class AdaptationRefusal : public Adaptation, public ::testing::WithParamInterface<RefusalCase> {};

const std::string kTenPositions = "matrice_decaventrix1\r\n1,2,3,4,5,6,7,8,9,10\r\n";
const std::string kUnexpected = "Errore imprevisto\rImpossibile Adattare la Matrice";

TEST_P(AdaptationRefusal, ShowsTheMessageAndKeepsTheSystem) {
    const auto& c = GetParam();
    play(kExampleNumbers);
    state.condizioni.sommaOn = kTrue;
    state.condizioni.somma = {60, 120};
    if (!c.fileText.empty()) {
        dir.write("matrici/m.txt", c.fileText);
    }
    const MatrixRecord r{"N-1",     static_cast<std::uint8_t>(12 + c.numbersDelta),
                         "prova",   static_cast<std::uint8_t>(c.fixed),
                         c.columns, "m.txt"};
    const auto result = adapt(r);

    EXPECT_FALSE(result.adapted);
    ASSERT_EQ(platform.messages.size(), 1u);
    auto expected = c.expectedText;
    if (expected.front() == '@') {
        expected.replace(0, 1, dir.folder() + "matrici/m.txt");
    }
    EXPECT_EQ(platform.lastMessage().text, expected);
    EXPECT_EQ(platform.lastMessage().title, c.expectedTitle);
    EXPECT_EQ(platform.lastMessage().icon, c.expectedIcon);
    expectUntouched(state);
    EXPECT_EQ(platform.busyDepth, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdaptationRefusal,
    ::testing::Values(
        RefusalCase{"MissingFile", "", 0, 0, 1, "@\rFile non di Matrice o rovinato o inesistente",
                    "E R R O R E", Icon::Critical},
        RefusalCase{"WrongSignature", "matrice 1 2 3 4 5 6 7 8 9 10", 0, 0, 1,
                    "@\rFile non di Matrice o rovinato", "E R R O R E", Icon::Critical},
        RefusalCase{"TooManyColumns", kTenPositions, 0, 0, kColumnCapacity + 1,
                    "Numero colonne della matrice superiori alla capacita' di memoria fissata\r"
                    "scegliere un'altra matrice o contattare l'autore per un aggiornamento",
                    "A T T E N Z I O N E", Icon::Information},
        RefusalCase{"ShortFile", kTenPositions, 0, 0, 2, kUnexpected, "E R R O R E",
                    Icon::Critical},
        RefusalCase{"PositionBeyondTheNumbersInPlay", "matrice_decaventrix1 1 2 3 4 5 6 7 8 9 13",
                    0, 0, 1, kUnexpected, "E R R O R E", Icon::Critical},
        RefusalCase{"PositionTwiceInAColumn", "matrice_decaventrix1\r\n1,1,1,1,1,1,1,1,1,1\r\n", 0,
                    0, 1, kUnexpected, "E R R O R E", Icon::Critical},
        RefusalCase{"MoreThanNineFixed", kTenPositions, 0, 10, 1, kUnexpected, "E R R O R E",
                    Icon::Critical},
        RefusalCase{"BuiltForOtherNumbers", kTenPositions, 1, 0, 1, kUnexpected, "E R R O R E",
                    Icon::Critical}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(Adaptation, NoMatchingMatrixAndMissingIndexGiveTheSameMessage) {
    EXPECT_TRUE(loadMatchingMatrices(dir.folder(), 12, platform).empty());
    const MatrixRecord ten{"N-1", 10, "dieci", 0, 1, "m.txt"};
    const auto bytes = encodeMatrixRecord(ten);
    dir.write("matrici/matrici.qvr", std::string(bytes.begin(), bytes.end()));
    EXPECT_TRUE(loadMatchingMatrices(dir.folder(), 12, platform).empty());
    EXPECT_EQ(loadMatchingMatrices(dir.folder(), 10, platform).size(), 1u);

    ASSERT_EQ(platform.messages.size(), 2u);
    for (const auto& m : platform.messages) {
        EXPECT_EQ(m.text, "Nessuna matrice con  12 numeri presente in archivio");
        EXPECT_EQ(m.title, " ATTENZIONE");
        EXPECT_EQ(m.icon, Icon::Information);
    }
}

TEST_F(Adaptation, MoreFixedPositionsThanNumbersIsRefusedBeforeAsking) {
    play({1, 2, 3, 4, 5});
    const MatrixRecord r{"N-1", 5, "prova", 6, 1, "m.txt"};
    dir.write("matrici/m.txt", kTenPositions);
    EXPECT_FALSE(adapt(r).adapted);
    EXPECT_TRUE(platform.prompts.empty());
    EXPECT_EQ(platform.lastMessage().text, kUnexpected);
}

} // namespace
} // namespace dvx
