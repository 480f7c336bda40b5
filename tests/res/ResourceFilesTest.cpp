// The game reads its pictures from res/ beside it: every file is there, decodes, and has
// the size and transparency the screens rely on. The sound tests play the sounds.
#include <QCoreApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

QImage Load(const QString& name) {
    return QImage(QCoreApplication::applicationDirPath() + "/res/" + name)
        .convertToFormat(QImage::Format_ARGB32);
}

bool IsKey(QRgb pixel) { return (pixel & 0xffffff) == 0xff00ff; }

template <typename Test> int Count(const QImage& image, const QRect& area, Test passes) {
    const QImage part = image.copy(area);
    const auto* pixels = reinterpret_cast<const QRgb*>(part.constBits());
    return static_cast<int>(std::count_if(pixels, pixels + part.width() * part.height(), passes));
}

TEST(ResourceFiles, EveryImageDecodesAtTheSizeTheScreensUse) {
    std::vector<std::pair<QString, QSize>> images = {
        {"newmain.png", {800, 608}}, {"surf/sea/222.bmp", {174, 58}}, {"npad.png", {180, 200}},
        {"55.bmp", {40, 40}},        {"hint.png", {40, 40}},          {"pencil.png", {80, 40}},
        {"bf.png", {58, 58}},        {"resd.cng", {100, 100}},        {"ln.png", {540, 20}},
        {"ln1.png", {540, 20}},      {"icon.png", {64, 64}}};
    for (int n = 1; n <= 9; ++n)
        images.push_back({QStringLiteral("block%1.png").arg(n), {58, 58}});
    for (int n = 1; n <= 6; ++n)
        images.push_back({QStringLiteral("help%1.png").arg(n), {800, 608}});
    for (const auto& [name, size] : images)
        EXPECT_EQ(Load(name).size(), size) << name.toStdString();

    // The light sweeps a strip of the lit title, up to x 336, over the plain one.
    EXPECT_EQ(Load("title.png").size(), Load("titlel.png").size());
    EXPECT_GE(Load("title.png").width(), 336);
}

// Magenta marks what the keyed pictures leave out; alpha what the others let show through.
TEST(ResourceFiles, TransparencyIsWhereTheGameShowsThroughIt) {
    const QImage strip = Load("surf/sea/222.bmp");
    for (int tile = 0; tile < 2; ++tile) {
        EXPECT_TRUE(IsKey(strip.pixel(58 * tile, 0))) << "the pause and win pictures are keyed";
        EXPECT_FALSE(IsKey(strip.pixel(58 * tile + 29, 29)));
    }
    EXPECT_EQ(Count(strip, QRect(116, 0, 58, 58), IsKey), 0) << "the flash is drawn unkeyed";
    for (const char* name : {"55.bmp", "hint.png"}) {
        const int keyed = Count(Load(name), QRect(0, 0, 40, 40), IsKey);
        EXPECT_GT(keyed, 400) << name << ": the button's fill must show through";
        EXPECT_GT(40 * 40 - keyed, 200) << name << ": and a picture must be there";
    }
    const auto clear = [](QRgb p) { return qAlpha(p) == 0; };
    EXPECT_EQ(Count(Load("newmain.png"), QRect(0, 0, 800, 608), clear), 0);
    EXPECT_GT(Count(Load("pencil.png"), QRect(0, 0, 80, 40), clear), 1000);
    for (int n = 1; n <= 6; ++n) {
        const QImage page = Load(QStringLiteral("help%1.png").arg(n));
        EXPECT_EQ(Count(page, QRect(200, 40, 336, 55), clear), 336 * 55) << "title, page " << n;
        EXPECT_EQ(Count(page, QRect(50, 530, 685, 38), clear), 685 * 38) << "buttons, page " << n;
        EXPECT_GT(Count(page, QRect(40, 160, 720, 300), [](QRgb p) { return qAlpha(p) == 255; }),
                  0);
    }
}

} // namespace
