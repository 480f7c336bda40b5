#pragma once

#include "common/SoundBackend.h"
#include "draw/Text.h"
#include "support/ScriptedPlatform.h"

#include <QImage>
#include <QPoint>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// Keeps every sound command in the order the game sent it.
class RecordingSoundBackend : public SoundBackend {
public:
    explicit RecordingSoundBackend(std::vector<std::string>& log) : log(log) {}
    void Send(const std::string& command) override { log.push_back(command); }

private:
    std::vector<std::string>& log;
};

// Every flow test starts from a freshly started program: start-of-run state, a new
// drawing surface, fresh screen objects, a recording sound backend, a scripted
// platform and a fixed random seed.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs n timer ticks, as the window's timer would.
    static void Tick(int n = 1);
    static QRgb Pixel(int x, int y);
    // Pointer move, press and release at (x, y) through the dispatcher.
    static void Click(int x, int y, int button = 1);
    static void Click(QPoint at, int button = 1) { Click(at.x(), at.y(), button); }

    // A widget set up with `args` and placed at (100, 100).
    template <typename Widget, typename... Args> static Widget Placed(const Args&... args) {
        Widget widget;
        widget.init(args...);
        widget.SetLocation(100, 100);
        return widget;
    }

    // The drawn texts that contain `part`, in the order drawn.
    std::vector<DrawnText> TextsWith(const QString& part) const;

    std::vector<std::string> sounds;
    std::vector<DrawnText> texts; // every text drawn, in order
    ScriptedPlatform::Script platform;
    std::vector<int> pumps; // CurrentScreen seen at every event pump
    bool processEnded = false;
    std::unique_ptr<QTemporaryDir> files; // holds the records and save/ of this test
};
