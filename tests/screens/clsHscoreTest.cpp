#include "common/AppState.h"
#include "persist/BestRecords.h"
#include "persist/RecordFile.h"
#include "screens/screenMenu.h"
#include "shell/Dispatcher.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"
#include "support/Ink.h"
#include "support/Places.h"

namespace {

// Row tops by level: "Hard" on top.
constexpr int RowTop[3] = {260, 200, 140};

class RecordsScreen : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        BestRecords& r = Records();
        r.ChallengeRecordNames = {RecordName("Ann"), RecordName("Bo"), RecordName("J\xF6rg")};
        r.ChallengeRecordScores = {0, -5, 9123};
        r.TrainingRecordNames = {RecordName("Cy"), RecordName("Di"), RecordName("Ed")};
        r.TrainingRecordTimes = {59, 3600, 3725};
        Menu().init();
        Click(place::BestRecords);
    }

    // What the row of a level shows in its name and value columns.
    static bool RowShows(int level, const QString& name, const QString& value) {
        SetFont(QStringLiteral("Arial Black"), 12, FontRegular);
        return ShowsText(220, RowTop[level], 320, name) &&
               ShowsText(550, RowTop[level], 120, value);
    }
    static bool ShowsChallengeTab() { return RowShows(2, QString::fromUtf8("Jörg"), "9123"); }
    static bool ShowsTrainingTab() { return RowShows(2, "Ed", "1:2:5"); }
    static void Press(int x, int y) {
        DispatchMouseMove(static_cast<int16_t>(x), static_cast<int16_t>(y));
        DispatchMouseDown(1);
    }
};

// Scores of zero or below are no record; times show as hours, minutes and seconds without
// leading zeros; the screen opens again on the challenge tab.
TEST_F(RecordsScreen, TabsShowScoresAndTimesPerLevel) {
    ASSERT_EQ(App().CurrentScreen, 3);
    Tick();
    EXPECT_TRUE(ShowsChallengeTab());
    EXPECT_TRUE(RowShows(1, "No record", "--") && RowShows(0, "No record", "--"));
    EXPECT_TRUE(ShowsText(130, RowTop[2], 80, "Hard") && ShowsText(130, RowTop[0], 80, "Easy"));

    Click(place::TrainingTab);
    Tick();
    EXPECT_TRUE(RowShows(0, "Cy", "0:0:59") && RowShows(1, "Di", "1:0:0") && ShowsTrainingTab());

    Click(place::RecordsClose);
    Click(place::BestRecords);
    Records().ChallengeRecordNames[2] = std::string(32, 'W');
    Tick();
    EXPECT_TRUE(RowShows(1, "No record", "--"));
    EXPECT_TRUE(ShowsText(550, RowTop[2], 120, "9123")) << "a long name stops before the value";
}

TEST_F(RecordsScreen, TabsSwitchOnThePressWithinTheirHotAreas) {
    Press(350, 145); // 45 pixels under the drawn training tab
    EXPECT_TRUE(ShowsTrainingTab());
    DispatchMouseMove(700, 500);
    DispatchMouseUp();
    Tick();
    EXPECT_TRUE(ShowsTrainingTab()) << "released elsewhere";

    Press(200, 149); // under the challenge tab
    EXPECT_TRUE(ShowsChallengeTab());
    Press(425, 80); // on the drawn training tab, past its hot area
    EXPECT_TRUE(ShowsChallengeTab());
    Press(270, 80); // on the border between the two: inside neither
    EXPECT_TRUE(ShowsChallengeTab());
}

} // namespace
