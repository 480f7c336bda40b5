#include "screens/clsHscore.h"

#include "common/Navigation.h"
#include "draw/Drawing.h"
#include "draw/FrameScope.h"
#include "draw/Rect.h"
#include "draw/Shapes.h"
#include "draw/Text.h"
#include "persist/BestRecords.h"
#include "persist/Windows1252.h"
#include "screens/screenMenu.h"

namespace {

constexpr int16_t ChallengeTab = 0;
constexpr int16_t TrainingTab = 1;

// The hot areas reach 50 pixels below the drawn tabs, and the second stops 10 pixels short
// of its drawn right edge.
constexpr std::array<Rect, 2> TabHotAreas{{{110, 60, 270, 150}, {270, 60, 420, 150}}};

constexpr int NameLeft = 220;
constexpr int ValueLeft = 550;
constexpr int NameGap = 10;

// Hours, minutes and seconds without leading zeros: 3725 seconds is "1:2:5".
QString RecordTime(int32_t t) {
    const int32_t h = t / 3600;
    const int32_t m = (t - 3600 * h) / 60;
    const int32_t s = t - 60 * (m + 60 * h);
    return QStringLiteral("%1:%2:%3").arg(h).arg(m).arg(s);
}

} // namespace

void clsHscore::init() {
    close.init(QStringLiteral("Close"), 170, 38, 0);
    close.SetLocation(320, 460);
    backdrop.reset();
    levelNames = {QStringLiteral("Easy"), QStringLiteral("Normal"), QStringLiteral("Hard")};
    selectedTab = ChallengeTab;
    hoveredTab = -1;
    bright = MakeSolidBrush(0, 168, 0, 168);
    dim = MakeSolidBrush(0, 168, 0, 100);
}

void clsHscore::Shown(ScreenId /*below*/) {
    init();
    Draw();
}

void clsHscore::Draw() {
    FrameScope frame;
    backdrop.BackRedraw(2, this, {static_cast<uint32_t>(selectedTab)}, {close.Part()});
    FillRectWith(110, 60, 160, 40, selectedTab == ChallengeTab ? bright : dim);
    FillRectWith(270, 60, 160, 40, selectedTab == TrainingTab ? bright : dim);
    SetFont(QStringLiteral("Arial Black"), 12, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawText(115, 68, QStringLiteral("Challenge Mode"));
    DrawText(275, 68, QStringLiteral("Tranning Mode"));
    FillRectWith(110, 100, 600, 300, bright);
    // The hardest level on top.
    for (int16_t level = 2; level >= 0; --level)
        DrawRow(level, 130 + 60 * (2 - level));
    close.Draw();
}

void clsHscore::DrawRow(int16_t level, int top) {
    DrawRectOutline(120, top, 560, 40, MakeColor(128, 255, 255, 255), 2);
    const int16_t y = static_cast<int16_t>(top + 10);
    DrawText(130, y, levelNames[level]);
    const BestRecords& r = Records();
    const bool challenge = selectedTab == ChallengeTab;
    const int32_t value = challenge ? r.ChallengeRecordScores[level] : r.TrainingRecordTimes[level];
    if (value <= 0) {
        DrawText(NameLeft, y, QStringLiteral("No record"));
        DrawText(ValueLeft, y, QStringLiteral("--"));
        return;
    }
    const std::string& name =
        challenge ? r.ChallengeRecordNames[level] : r.TrainingRecordNames[level];
    // A name of 32 wide letters would run into the value: it ends before the value column.
    SetClip(QRect(NameLeft, top, ValueLeft - NameLeft - NameGap, 40));
    DrawText(NameLeft, y, FromWindows1252(name));
    ClearClip();
    DrawText(ValueLeft, y, challenge ? QString::number(value) : RecordTime(value));
}

void clsHscore::MouseMove(int16_t X, int16_t Y) {
    close.MouseMove(X, Y);
    hoveredTab = -1;
    for (int16_t tab : {ChallengeTab, TrainingTab}) {
        if (PointInRect(X, Y, TabHotAreas[tab])) hoveredTab = tab;
    }
}

// Tabs switch on the press, wherever the button is released.
void clsHscore::MouseDown(int16_t /*button*/) {
    close.MouseDown();
    if (hoveredTab != -1) selectedTab = hoveredTab;
    Draw();
}

void clsHscore::MouseUp() {
    if (close.MouseUp()) {
        Navigator().ReturnToMenu();
        return;
    }
    Draw();
}
