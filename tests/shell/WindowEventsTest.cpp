// Real Qt key and mouse events sent to the main window's drawing area, the way the
// window system delivers them.
#include "common/Navigation.h"
#include "dialogs/clsWinDlg.h"
#include "shell/Form1.h"
#include "shell/Picture1.h"
#include "support/GameFixture.h"

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
    // What the window system sends for Ctrl+A: a press, and while the key is held a
    // release and a press marked as repeats, then the real release.
    void SendCtrlA(QEvent::Type type, bool repeat) const {
        QKeyEvent event(type, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"), repeat);
        QApplication::sendEvent(Area(), &event);
    }
    size_t SaveDialogs() const {
        return static_cast<size_t>(
            std::count_if(platform.asked.begin(), platform.asked.end(),
                          [](const std::string& q) { return q.rfind("save: ", 0) == 0; }));
    }

    std::unique_ptr<Form1> window;
};

TEST_F(WindowEvents, ArrowsEnterDigitsSpaceAndColonPlayTheBoard) {
    StartRegular({10, 11, 37});
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Up, Qt::Key_Left})
        Key(key);
    EXPECT_EQ(Game().Cursor(), 10) << "0, 10, 37, 10 and back to 10: given cells are passed over";
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    EXPECT_EQ(Game().Selected(), 11);
    Type(static_cast<char>('0' + Solved(1, 2)));
    EXPECT_EQ(Value(11), Solved(1, 2));
    EXPECT_FALSE(Game().PadOpen());
    Key(Qt::Key_Enter);
    Key(Qt::Key_Space);
    EXPECT_EQ(Value(11), 0);
    Key(Qt::Key_Enter);
    Type('0');
    EXPECT_TRUE(Game().PadOpen()) << "0 is no digit";
    Type(static_cast<char>('0' + Solved(1, 2)));
    Key(Qt::Key_Enter);
    Type(':');
    EXPECT_EQ(Value(11), 0) << "':' erases like Space";
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

TEST_F(WindowEvents, CtrlZCtrlSAndPauseReachTheGameButCtrlShiftSDoesNot) {
    StartRegular({10, 20});
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Enter);
    Type(static_cast<char>('0' + Solved(1, 1)));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Value(10), 0) << "undone";
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Value(10), Solved(1, 1)) << "redone";
    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(SaveDialogs(), 0u);
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(SaveDialogs(), 1u);
    Key(Qt::Key_Pause);
    EXPECT_EQ(App().CurrentScreen, 7);
}

TEST_F(WindowEvents, HeldCtrlAKeepsTheCreditsUntilTheRealRelease) {
    StartRegular({10});
    Navigator().Show(WinDialog);
    SendCtrlA(QEvent::KeyPress, false);
    EXPECT_TRUE(WinDlg().showCredits);
    for (int i = 0; i < 3; ++i) {
        SendCtrlA(QEvent::KeyRelease, true);
        EXPECT_TRUE(WinDlg().showCredits) << "repeat " << i;
        SendCtrlA(QEvent::KeyPress, true);
    }
    SendCtrlA(QEvent::KeyRelease, false);
    EXPECT_FALSE(WinDlg().showCredits);
}

} // namespace
