// Real Qt key and mouse events sent to the main window's drawing area, the way the
// window system delivers them.
#include "common/Navigation.h"
#include "shell/Form1.h"
#include "shell/Picture1.h"
#include "support/GameFixture.h"
#include "support/Ink.h"

#include <QKeyEvent>
#include <QTest>
#include <algorithm>

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
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(Area(), key, modifiers);
    }
    void Type(char ch) const { QTest::keyClick(Area(), ch); }
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
    size_t SaveDialogs() const {
        return static_cast<size_t>(
            std::count_if(platform.asked.begin(), platform.asked.end(),
                          [](const std::string& q) { return q.rfind("save: ", 0) == 0; }));
    }

    std::unique_ptr<Form1> window;
};

// The first arrow puts the cursor on cell 0; arrows then pass over given cells and stop at
// the board's edges, and rest while the pad is open. Space and ':' erase; 0 is no digit.
TEST_F(WindowEvents, ArrowsMoveOverEmptyCellsAndKeysPlayThePadThere) {
    StartRegular({5, 8, 12, 14, 41, 77, 80});
    Type('3');
    Key(Qt::Key_Return);
    EXPECT_FALSE(Game().PadOpen()) << "no cursor yet, and digit keys need the pad";
    Key(Qt::Key_Right);
    EXPECT_EQ(Game().Cursor(), 0);
    Key(Qt::Key_Return);
    EXPECT_FALSE(Game().PadOpen()) << "cell 0 is given";

    constexpr Qt::Key L = Qt::Key_Left, R = Qt::Key_Right, U = Qt::Key_Up, D = Qt::Key_Down;
    const std::pair<Qt::Key, int> moves[] = {
        {L, 0},  {R, 5},  {R, 8},  {R, 12}, {D, 12}, {R, 14}, {D, 41}, {D, 77}, {D, 77}, {R, 80},
        {R, 80}, {L, 77}, {U, 41}, {U, 14}, {U, 5},  {U, 5},  {L, 5},  {D, 14}, {D, 41}};
    for (const auto& [key, expected] : moves) {
        Key(key);
        EXPECT_EQ(Game().Cursor(), expected) << "key " << key;
    }
    Key(Qt::Key_Return);
    EXPECT_EQ(Game().Selected(), 41);
    Key(Qt::Key_Right);
    EXPECT_EQ(Game().Cursor(), 41) << "arrows rest while the pad is open";
    const char digit = static_cast<char>('0' + Solved(4, 5));
    Type(digit);
    EXPECT_EQ(Value(41), Solved(4, 5));
    EXPECT_FALSE(Game().PadOpen());
    Key(Qt::Key_Enter);
    Key(Qt::Key_Space);
    EXPECT_EQ(Value(41), 0);
    Key(Qt::Key_Enter);
    Type('0');
    EXPECT_TRUE(Game().PadOpen());
    Type(digit);
    Key(Qt::Key_Enter);
    Type(':');
    EXPECT_EQ(Value(41), 0);
}

TEST_F(WindowEvents, PointerOpensThePadAndARightClickClosesIt) {
    StartRegular({10, 20});
    MouseClick(CellCenter(20));
    EXPECT_EQ(Game().Selected(), 20);
    EXPECT_TRUE(Game().PadOpen());
    Tick();
    MouseClick(CellCenter(60), Qt::RightButton);
    EXPECT_FALSE(Game().PadOpen());
    EXPECT_EQ(Value(20), 0);
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
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(Game().PadOpen());
    EXPECT_EQ(Value(10), 0);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Value(10), Solved(1, 1));
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::AltModifier);
    Key(Qt::Key_Y, Qt::ShiftModifier);
    EXPECT_EQ(Value(10), 0);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Value(10), Solved(1, 1));

    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(SaveDialogs(), 0u);
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(SaveDialogs(), 1u);
    Key(Qt::Key_Pause);
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
