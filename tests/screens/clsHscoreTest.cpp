#include "common/AppState.h"
#include "persist/BestRecords.h"
#include "persist/Windows1252.h"
#include "screens/ShowsText.h"
#include "screens/screenMenu.h"
#include "shell/Dispatcher.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"

namespace {

constexpr int RecordsX = 365, RecordsY = 350;
constexpr int CloseX = 405, CloseY = 479;
// Row tops by level: "Hard" on top.
constexpr int RowTop[3] = {260, 200, 140};

class RecordsScreen : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        BestRecords& r = Records();
        r.ChallengeRecordNames = {Padded("Ann"), Padded("Bo"), Padded("J\xF6rg")};
        r.ChallengeRecordScores = {0, -5, 9123};
        r.TrainingRecordNames = {Padded("Cy"), Padded("Di"), Padded("Ed")};
        r.TrainingRecordTimes = {59, 3600, 3725};
        Menu().init();
        Click(RecordsX, RecordsY);
    }

    static std::string Padded(std::string name) {
        name.resize(32, ' ');
        return name;
    }

    // What the row of a level shows in its name and value columns.
    static bool RowShows(int level, const QString& name, const QString& value) {
        SetFont(QStringLiteral("Arial Black"), 12, FontRegular);
        return ShowsText(220, RowTop[level], 320, name) &&
               ShowsText(550, RowTop[level], 120, value);
    }
    static bool ShowsChallengeTab() {
        return RowShows(2, FromWindows1252(Records().ChallengeRecordNames[2]),
                        QStringLiteral("9123"));
    }
    static bool ShowsTrainingTab() {
        return RowShows(2, QStringLiteral("Ed"), QStringLiteral("1:2:5"));
    }
    static void Press(int x, int y) {
        DispatchMouseMove(static_cast<int16_t>(x), static_cast<int16_t>(y));
        DispatchMouseDown(1);
    }
};

TEST_F(RecordsScreen, ChallengeTabShowsScoresAndNoRecordForZeroOrBelow) {
    ASSERT_EQ(App().CurrentScreen, 3);
    Tick();
    EXPECT_TRUE(ShowsChallengeTab());
    EXPECT_TRUE(RowShows(1, QStringLiteral("No record"), QStringLiteral("--")));
    EXPECT_TRUE(RowShows(0, QStringLiteral("No record"), QStringLiteral("--")));
    SetFont(QStringLiteral("Arial Black"), 12, FontRegular);
    EXPECT_TRUE(ShowsText(130, RowTop[2], 80, QStringLiteral("Hard")));
    EXPECT_TRUE(ShowsText(130, RowTop[0], 80, QStringLiteral("Easy")));
}

TEST_F(RecordsScreen, ALongNameStopsBeforeTheValue) {
    Records().ChallengeRecordNames[2] = std::string(32, 'W');
    Tick();
    SetFont(QStringLiteral("Arial Black"), 12, FontRegular);
    EXPECT_TRUE(ShowsText(550, RowTop[2], 120, QStringLiteral("9123")));
}

TEST_F(RecordsScreen, TrainingTimesShowAsHoursMinutesSecondsWithoutLeadingZeros) {
    Click(350, 80);
    Tick();
    EXPECT_TRUE(RowShows(0, QStringLiteral("Cy"), QStringLiteral("0:0:59")));
    EXPECT_TRUE(RowShows(1, QStringLiteral("Di"), QStringLiteral("1:0:0")));
    EXPECT_TRUE(ShowsTrainingTab());

    Click(CloseX, CloseY);
    Click(RecordsX, RecordsY);
    Tick();
    EXPECT_TRUE(ShowsChallengeTab()) << "reopened on the challenge tab";
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
