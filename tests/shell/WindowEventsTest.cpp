// Real Qt key and mouse events sent to the main window's drawing area, the way the
// window system delivers them.
#include "common/Navigation.h"
#include "shell/Form1.h"
#include "shell/Picture1.h"
#include "support/GameFixture.h"
#include "support/Ink.h"
#include "support/Joined.h"

#include <QKeyEvent>
#include <QTest>
#include <iterator>
#include <tuple>

namespace {

class WindowEvents : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        window = std::make_unique<Form1>();
        window->show();
    }
    void TearDown() override {
        window.reset();
        GameFixture::TearDown();
    }

    QWidget* Area() const { return window->Picture(); }
    void MouseClick(QPoint at, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mouseMove(Area(), at);
        QTest::mouseClick(Area(), button, Qt::NoModifier, at);
    }
    // An A key event; while a key is held the window system sends releases and presses
    // marked as repeats.
    void SendKey(QEvent::Type type, Qt::KeyboardModifiers modifiers, bool repeat = false) const {
        QKeyEvent event(type, Qt::Key_A, modifiers, QStringLiteral("\x01"), repeat);
        QApplication::sendEvent(Area(), &event);
    }

    std::unique_ptr<Form1> window;
};

// The first arrow puts the cursor on cell 0; arrows then pass over given cells and stop at
// the board's edges, and rest while the pad is open. Space and ':' erase; 0 is no digit.
TEST_F(WindowEvents, ArrowsMoveOverEmptyCellsAndKeysPlayThePadThere) {
    StartRegular({5, 8, 12, 14, 41, 77, 80});
    constexpr int L = Qt::Key_Left, R = Qt::Key_Right, U = Qt::Key_Up, D = Qt::Key_Down,
                  Ret = Qt::Key_Return, Ent = Qt::Key_Enter, Space = Qt::Key_Space;
    const int v = Solved(4, 5), digit = '0' + v;
    // A key, then the cursor, the cell the pad is open on (-1: none) and cell 41's digit.
    const int steps[][4] = {
        {'3', -1, -1, 0}, {Ret, -1, -1, 0},   {R, 0, -1, 0},      {Ret, 0, -1, 0},
        {L, 0, -1, 0},    {R, 5, -1, 0},      {R, 8, -1, 0},      {R, 12, -1, 0},
        {D, 12, -1, 0},   {R, 14, -1, 0},     {D, 41, -1, 0},     {D, 77, -1, 0},
        {D, 77, -1, 0},   {R, 80, -1, 0},     {R, 80, -1, 0},     {L, 77, -1, 0},
        {U, 41, -1, 0},   {U, 14, -1, 0},     {U, 5, -1, 0},      {U, 5, -1, 0},
        {L, 5, -1, 0},    {D, 14, -1, 0},     {D, 41, -1, 0},     {Ret, 41, 41, 0},
        {R, 41, 41, 0},   {digit, 41, -1, v}, {Ent, 41, 41, v},   {Space, 41, -1, 0},
        {Ent, 41, 41, 0}, {'0', 41, 41, 0},   {digit, 41, -1, v}, {Ent, 41, 41, v},
        {':', 41, -1, 0}};
    for (size_t i = 0; i < std::size(steps); ++i) {
        const auto& [key, cursor, pad, value] = steps[i];
        QTest::keyClick(Area(), static_cast<Qt::Key>(key));
        EXPECT_EQ(Joined(Game().Cursor(), Game().PadOpen() ? Game().Selected() : -1, Value(41)),
                  Joined(cursor, pad, value))
            << "step " << i;
    }
}

TEST_F(WindowEvents, PointerOpensThePadAndARightClickClosesIt) {
    StartRegular({10, 20});
    MouseClick(CellCenter(20));
    EXPECT_EQ(Joined(Game().Selected(), Game().PadOpen()), "20 true");
    Tick();
    MouseClick(CellCenter(60), Qt::RightButton);
    EXPECT_EQ(Joined(Game().PadOpen(), Value(20)), "false 0");
    MouseClick(CellCenter(10));
    Tick();
    MouseClick(PadButtonCenter(10, Solved(1, 1) - 1));
    EXPECT_EQ(Value(10), Solved(1, 1));
}

// Undo and redo close the pad first; only the exact Ctrl chords count.
TEST_F(WindowEvents, CtrlChordsUndoRedoAndSaveAndPauseHolds) {
    StartRegular({10, 12});
    Enter(10, Solved(1, 1) - 1);
    OpenPad(12);
    const Qt::KeyboardModifiers Ctrl = Qt::ControlModifier, Shift = Qt::ShiftModifier;
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> chords[] = {
        {Qt::Key_Z, Ctrl, 0},  {Qt::Key_Y, Ctrl, Solved(1, 1)},
        {Qt::Key_Z, Ctrl, 0},  {Qt::Key_Z, Qt::AltModifier, 0},
        {Qt::Key_Y, Shift, 0}, {Qt::Key_Z, Ctrl | Shift, Solved(1, 1)}};
    for (const auto& [key, modifiers, value] : chords) {
        QTest::keyClick(Area(), key, modifiers);
        EXPECT_EQ(Joined(Game().PadOpen(), Game().Cell(10).Digit()), Joined(false, value)) << key;
    }
    QTest::keyClick(Area(), Qt::Key_S, Ctrl | Shift);
    QTest::keyClick(Area(), Qt::Key_S, Ctrl);
    EXPECT_EQ(platform.Count("save: "), 1u) << "only Ctrl+S saves";
    QTest::keyClick(Area(), Qt::Key_Pause);
    EXPECT_EQ(App().CurrentScreen, 7);
}

// The credits on the win dialog show while Ctrl+A is held, through the key's repeats.
TEST_F(WindowEvents, HeldCtrlAShowsTheCreditsUntilTheRealRelease) {
    StartRegular({10});
    Navigator().Show(WinDialog);
    Tick(4);
    const QRect credits(360, 225, 180, 37);
    SendKey(QEvent::KeyPress, Qt::ControlModifier | Qt::ShiftModifier);
    Tick();
    EXPECT_EQ(WhitePixels(credits), 0);
    SendKey(QEvent::KeyPress, Qt::ControlModifier);
    SendKey(QEvent::KeyRelease, Qt::ControlModifier, true);
    Tick();
    EXPECT_GT(WhitePixels(credits), 0);
    SendKey(QEvent::KeyPress, Qt::ControlModifier, true);
    SendKey(QEvent::KeyRelease, Qt::ControlModifier);
    Tick(3);
    EXPECT_EQ(WhitePixels(credits), 0);
}

} // namespace
