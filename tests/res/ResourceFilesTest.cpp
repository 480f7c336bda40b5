// The game reads its pictures and sounds from res/ beside it. These tests
// check the copy beside the built game: every file is there, decodes, and
// has the size and transparency the screens rely on.

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

QString resPath(const QString& name) {
    // The tests are built into the same folder as the game.
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    return QString::fromStdString((folder / "res").string()) + "/" + name;
}

QImage loadImage(const QString& name) {
    return QImage(resPath(name)).convertToFormat(QImage::Format_ARGB32);
}

QByteArray readFile(const QString& name) {
    QFile file(resPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isKey(QRgb pixel) { return (pixel & 0xffffff) == 0xff00ff; }

struct PixelCounts {
    int key = 0;
    int transparent = 0;
    int opaque = 0;
};

PixelCounts countPixels(const QImage& image, const QRect& area) {
    PixelCounts counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            counts.key += isKey(pixel) ? 1 : 0;
            counts.transparent += qAlpha(pixel) == 0 ? 1 : 0;
            counts.opaque += qAlpha(pixel) == 255 ? 1 : 0;
        }
    }
    return counts;
}

double meanLightness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum += qAlpha(p) / 255.0 * (0.2126 * qRed(p) + 0.7152 * qGreen(p) + 0.0722 * qBlue(p));
        }
    }
    return sum / (image.width() * image.height());
}

struct Expected {
    const char* name;
    int width;
    int height;
};

TEST(ResourceFilesTest, EveryImageDecodesAtTheSizeTheScreensUse) {
    const std::vector<Expected> images = {
        {"newmain.png", 800, 608}, {"surf/sea/222.bmp", 174, 58}, {"npad.png", 180, 200},
        {"55.bmp", 40, 40},        {"hint.png", 40, 40},          {"pencil.png", 80, 40},
        {"bf.png", 58, 58},        {"resd.cng", 100, 100},        {"ln.png", 540, 20},
        {"ln1.png", 540, 20},      {"icon.png", 64, 64},
    };
    for (const Expected& expected : images) {
        SCOPED_TRACE(expected.name);
        const QImage image = loadImage(expected.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(expected.width, expected.height));
    }
    for (int n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(loadImage(QStringLiteral("block%1.png").arg(n)).size(), QSize(58, 58));
    }
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(loadImage(QStringLiteral("help%1.png").arg(n)).size(), QSize(800, 608));
    }
}

TEST(ResourceFilesTest, TitleImagesMatchAndTheLitOneIsBrighter) {
    const QImage plain = loadImage("title.png");
    const QImage lit = loadImage("titlel.png");
    ASSERT_FALSE(plain.isNull());
    ASSERT_EQ(plain.size(), lit.size()) << "the light sweeps a strip of one over the other";
    EXPECT_GE(plain.width(), 336) << "the light sweeps up to x 336";
    EXPECT_GE(plain.height(), 55);
    EXPECT_EQ(qAlpha(plain.pixel(0, 0)), 0) << "the title stands on the title screen's digits";
    EXPECT_EQ(qAlpha(lit.pixel(0, 0)), 0);
    EXPECT_GT(meanLightness(lit), meanLightness(plain) * 1.15);
}

TEST(ResourceFilesTest, KeyedPicturesHaveMagentaAroundThem) {
    const QImage strip = loadImage("surf/sea/222.bmp");
    for (int tile = 0; tile < 2; ++tile) {
        SCOPED_TRACE(tile);
        EXPECT_TRUE(isKey(strip.pixel(58 * tile, 0))) << "the pause and win pictures are keyed";
        EXPECT_FALSE(isKey(strip.pixel(58 * tile + 29, 29)));
    }
    EXPECT_EQ(countPixels(strip, QRect(116, 0, 58, 58)).key, 0)
        << "the flash is drawn without a key, so magenta would show";
    for (const char* name : {"55.bmp", "hint.png"}) {
        SCOPED_TRACE(name);
        const QImage button = loadImage(name);
        const PixelCounts counts = countPixels(button, button.rect());
        EXPECT_GT(counts.key, 400) << "the button's fill must show through";
        EXPECT_GT(40 * 40 - counts.key, 200) << "and a picture must be there";
    }
}

TEST(ResourceFilesTest, TransparencyIsWhereTheGameShowsThroughIt) {
    const QImage screen = loadImage("newmain.png");
    EXPECT_EQ(countPixels(screen, screen.rect()).opaque, 800 * 608);

    const QImage pencil = loadImage("pencil.png");
    EXPECT_GT(countPixels(pencil, pencil.rect()).transparent, 1000) << "drawn over a green fill";

    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        const QImage page = loadImage(QStringLiteral("help%1.png").arg(n));
        const QRect title(200, 40, 336, 55);
        const QRect buttons(50, 530, 685, 38);
        EXPECT_EQ(countPixels(page, title).transparent, title.width() * title.height());
        EXPECT_EQ(countPixels(page, buttons).transparent, buttons.width() * buttons.height());
        EXPECT_GT(countPixels(page, QRect(40, 160, 720, 300)).opaque, 0) << "the page has text";
    }
}

TEST(ResourceFilesTest, RegionShadesDifferAndKeepDigitsReadable) {
    std::vector<double> lightness;
    std::vector<QRgb> middles;
    for (int n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        const QImage shade = loadImage(QStringLiteral("block%1.png").arg(n));
        lightness.push_back(meanLightness(shade));
        middles.push_back(shade.pixel(29, 29));
        EXPECT_LT(lightness.back(), 110) << "white and grey digits need a dark cell";
        EXPECT_GT(qAlpha(shade.pixel(29, 29)), 150) << "the board must not show through much";
    }
    for (std::size_t a = 0; a < middles.size(); ++a) {
        for (std::size_t b = a + 1; b < middles.size(); ++b) {
            const int distance = std::abs(qRed(middles[a]) - qRed(middles[b])) +
                                 std::abs(qGreen(middles[a]) - qGreen(middles[b])) +
                                 std::abs(qBlue(middles[a]) - qBlue(middles[b]));
            EXPECT_GT(distance, 20) << "shades " << a + 1 << " and " << b + 1 << " look alike";
        }
    }
}

std::uint32_t littleEndian(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// Length in seconds of a 16-bit PCM, 44.1 kHz WAV file; -1 if it is not one.
double pcmSeconds(const QByteArray& wav) {
    if (wav.size() < 44 || !wav.startsWith("RIFF") || wav.mid(8, 8) != "WAVEfmt ") return -1;
    const bool pcm = littleEndian(wav, 20, 2) == 1;
    const auto channels = littleEndian(wav, 22, 2);
    const bool cd = littleEndian(wav, 24, 4) == 44100 && littleEndian(wav, 34, 2) == 16;
    if (!pcm || !cd || channels < 1 || channels > 2 || wav.mid(36, 4) != "data") return -1;
    return littleEndian(wav, 40, 4) / (2.0 * channels * 44100);
}

TEST(ResourceFilesTest, SoundEffectsAreShortPcmWaves) {
    const double click = pcmSeconds(readFile("sound/CLICK12B.wav"));
    EXPECT_GT(click, 0.02);
    EXPECT_LT(click, 0.3) << "the click repeats on quick refusals";
    const double chime = pcmSeconds(readFile("sound/Dull_Cla-Public_D-11.wav"));
    EXPECT_GT(chime, 0.5);
    EXPECT_LT(chime, 4.0);
}

TEST(ResourceFilesTest, MusicTracksAreMinuteLongMp3s) {
    const QByteArray first = readFile("sound/bg1.mp3");
    const QByteArray second = readFile("sound/bg2.mp3");
    for (const QByteArray* track : {&first, &second}) {
        // 128 kbit/s for 60 s is 960000 bytes.
        EXPECT_GT(track->size(), 900000);
        const bool frameSync = track->size() > 2 &&
                               static_cast<std::uint8_t>((*track)[0]) == 0xff &&
                               (static_cast<std::uint8_t>((*track)[1]) & 0xe0) == 0xe0;
        EXPECT_TRUE(frameSync || track->startsWith("ID3")) << "not an MP3 stream";
    }
    EXPECT_NE(first, second) << "the game picks one of two different tracks";
}

} // namespace
