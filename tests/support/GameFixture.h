#pragma once

#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Navigation.h"
#include "common/Switches.h"
#include "draw/Drawing.h"
#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Layout.h"
#include "game/clsGameIntf.h"
#include "shell/Dispatcher.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"
#include "support/Places.h"
#include "support/SampleGames.h"
#include "support/TestImages.h"

#include <QPoint>
#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>

// A game on the board as the loading screen leaves it: screen 2, clock running. The
// block shades and cell frame are plain colours so that pixels tell them apart.
class GameFixture : public AppFixture {
protected:
    static constexpr QRgb FrameColor = 0xFFFFFF00;
    static QRgb ShadeColor(int index) { return qRgb(40 + 20 * index, 0, 90); }

    void SetUp() override {
        AppFixture::SetUp();
        DrawState& d = Drawing();
        for (int i = 0; i < 9; ++i)
            d.BlockImages[i] = SolidPicture(58, 58, ShadeColor(i));
        d.BlockFrameImage = SolidPicture(58, 58, FrameColor);
        d.FlashOpacity = {0.0, 0.2, 0.4, 0.6, 0.4, 0.2};
        d.blockImagesLoaded = true;
    }

    // A known regular solution, every cell given except the holes.
    static int Solved(int r, int c) { return SolvedDigit(r, c); }

    static void StartRegular(std::initializer_list<int> holes) {
        Settings().PuzzleType = 0;
        BuildLayout(0);
        Sudoku().SolutionGrid = SampleGame(SavedGame::Kind::Training, {}).given;
        Sudoku().GivenGrid = SampleGame(SavedGame::Kind::Training, holes).given;
        Begin();
    }
    static void StartChallenge(int stage, int level, std::initializer_list<int> holes) {
        Settings().TrainingMode = false;
        Settings().Stage = static_cast<uint8_t>(stage);
        Settings().ChallengeLevel = static_cast<int16_t>(level);
        StartRegular(holes);
    }

    // The game the engine dealt last, on the board.
    static void Begin() {
        GameIntf().init(DealtGame());
        App().CurrentScreen = 2;
        Clock().ctimer = true;
    }

    static void SetClock(int h, int m, int s) {
        Clock() = {Clock().ctimer, int16_t(h), int16_t(m), int16_t(s), Clock().ClockTicks};
    }

    // The game in one line, e.g. "screen=2 stage=4/1 score=3500/-1 level=1 type=0 clock=65
    // running", then what the named cells show: "10=5" a digit, "11={35}" marks, "12=." none.
    static std::string DescribeGame(std::initializer_list<int> cells = {}) {
        const GameSettings& s = Settings();
        std::ostringstream line;
        line << "screen=" << App().CurrentScreen;
        if (s.TrainingMode)
            line << " training";
        else
            line << " stage=" << int{s.Stage} << '/' << s.ChallengeLevel
                 << " score=" << s.ChallengeScore << '/' << s.LastStageScore;
        line << " level=" << s.Level << " type=" << s.PuzzleType
             << " clock=" << Clock().ct_h * 3600 + Clock().ct_m * 60 + Clock().ct_s
             << (Clock().ctimer ? " running" : " held") << (Switches().GamePaused ? " paused" : "");
        for (int i : cells) {
            const clsMyBtn& cell = GameIntf().Cell(i);
            std::string marks;
            for (int d = 1; d <= 9; ++d)
                if (cell.Marks() & DigitBit(d)) marks += char('0' + d);
            line << ' ' << i << '='
                 << (cell.Digit()    ? std::to_string(cell.Digit())
                     : marks.empty() ? "."
                                     : '{' + marks + '}');
        }
        return line.str();
    }

    static clsGameIntf& Game() { return GameIntf(); }
    static int Value(int i) { return Game().Model().Digit(i); }

    static QRect CellRect(int i) { return {222 + 60 * (i % 9), 38 + 60 * (i / 9), 58, 58}; }
    static QPoint CellCenter(int i) { return CellRect(i).topLeft() + QPoint(29, 29); }

    // Pad button b (0..8 digits, 9 eraser, 10 hint, 11 pencil) of the pad opened on cell i.
    static QPoint PadButtonCenter(int i, int b) {
        const int x = std::min(222 + 60 * (i % 9), 620);
        const int y = std::min(38 + 60 * (i / 9), 400);
        return {x + 12 + 42 * (b % 3) + 20, y + 22 + 42 * (b / 3) + 20};
    }

    // The "ON" (or "OFF") radio of option group g: sound, music, pad assist, highlight.
    static QPoint OptionRadio(int group, bool on) {
        constexpr int Tops[] = {425, 473, 522, 571};
        return {on ? 90 : 148, Tops[group] + 9};
    }

    static void PointAt(QPoint p) { DispatchMouseMove(int16_t(p.x()), int16_t(p.y())); }
    static void Hover(QPoint p) { PointAt(p), Tick(); }
    static void Keys(std::initializer_list<int16_t> keys) {
        for (int16_t key : keys)
            DispatchKeyDown(key, 0);
    }
    // Clicks a command that asks first, and OK.
    static void Confirm(QPoint command) { Click(command), Click(place::ConfirmOk); }

    // Opens the pad on cell i, lets a frame place the pad, and presses pad button b.
    static void Enter(int i, int b) { OpenPad(i), Click(PadButtonCenter(i, b)); }
    static void OpenPad(int i) { Click(CellCenter(i)), Tick(); }
    static void Mark(int i, int digit) {
        Enter(i, PencilBox), Click(PadButtonCenter(i, digit - 1));
    }
    static constexpr int EraserButton = 9, HintButton = 10, PencilBox = 11;
};
