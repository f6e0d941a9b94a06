#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>

#include "QtTestSupport.h"
#include "platform/headless/ImageFileReader.h"
#include "platform/qt/QtFont.h"

#include "platform/qt/QtImage.h"
#include "platform/qt/QtTextLines.h"
#include <QFontDatabase>
#include <QFontInfo>

using namespace qt_test;

namespace {

// The bounding box of pixels that differ from black; empty when all are black.
QRect Inked(const Image& image) {
    const Size size = image.GetSize();
    const std::vector<uint32_t> rgb = image.ReadRgb();
    QRect box;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            if (rgb[size_t(y) * size_t(size.width) + size_t(x)] != 0) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

} // namespace

TEST_F(QtPlatformTest, PicturesLoadFromFilesAndNumberedResources) {
    struct Case {
        const char16_t* path;
        Size size;
    };
    for (const Case& c :
         {Case{u"res/364.bmp", {1127, 740}}, Case{u"res/187.png", {}}, Case{u"res/287.bmp", {}}}) {
        const std::u16string path = Assets() + c.path;
        auto image = platform.LoadImageFile(path);
        ASSERT_TRUE(image) << std::string(path.begin(), path.end());
        const std::optional<DecodedImage> reference = ReadImageFile(path);
        ASSERT_TRUE(reference);
        EXPECT_EQ(image->GetSize(), reference->size);
        if (c.size.width != 0) {
            EXPECT_EQ(image->GetSize(), c.size);
        }
        EXPECT_EQ(image->ReadRgb().size(),
                  size_t(reference->size.width) * size_t(reference->size.height));
    }
    auto bitmap = platform.LoadResourceImage(364);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->GetSize(), (Size{1127, 740}));
    EXPECT_TRUE(platform.LoadResourceImage(188));
    EXPECT_FALSE(platform.LoadResourceImage(9999));
}

// A 2 x 2 24-bit bitmap, stored bottom-up: blue, white on the lower row, red, green above.
TEST_F(QtPlatformTest, BitmapPixelsAreReadTopDownWithoutAlpha) {
    const unsigned char bmp[] = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,               // file header
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, // info header
        16, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF,
        0xFF, 0xFF, 0, 0,             // lower row: blue, white
                                      // (BGR), padding
        0, 0, 0xFF, 0, 0xFF, 0, 0, 0, // upper row: red, green
    };
    const QString path = QStringLiteral("/tmp/corvex-qt-test-2x2.bmp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bmp), sizeof bmp);
    file.close();
    auto image = platform.LoadImageFile(path.toStdU16String());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->GetSize(), (Size{2, 2}));
    EXPECT_EQ(image->ReadRgb(), (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}));
    file.remove();
}

TEST_F(QtPlatformTest, MissingOrForeignFilesGiveNoPicture) {
    EXPECT_FALSE(platform.LoadImageFile(u"/nonexistent/picture.png"));
    const QString notPicture = QStringLiteral("/tmp/corvex-qt-not-a-picture.png");
    QFile file(notPicture);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is text, not a picture");
    file.close();
    EXPECT_FALSE(platform.LoadImageFile(notPicture.toStdU16String()));
    file.remove();
}

TEST_F(QtPlatformTest, ImagesStretchAndBitmapsCopyOpaque) {
    auto source = platform.CreateImage({2, 1});
    platform.PaintInto(*source, [](Surface& s) {
        s.SetPixel({0, 0}, Rgb(255, 0, 0));
        s.SetPixel({1, 0}, Rgb(0, 0, 255));
    });
    auto target = platform.CreateImage({40, 20});
    platform.PaintInto(*target, [&](Surface& s) {
        s.DrawImage(*source, {0, 0, 20, 10}, {0, 0, 2, 1});
        s.StretchBitmap(*source, {20, 10, 40, 20}, {0, 0, 2, 1}, false);
    });
    const std::vector<uint32_t> rgb = target->ReadRgb();
    const auto at = [&](int x, int y) { return rgb[size_t(y) * 40 + size_t(x)]; };
    EXPECT_EQ(at(1, 5), 0xFF0000u);
    EXPECT_EQ(at(18, 5), 0x0000FFu);
    const uint32_t middle = at(10, 5);
    EXPECT_TRUE((middle >> 16) > 0 && (middle & 0xFF) > 0) << "smooth stretch blends the two";
    EXPECT_EQ(at(21, 15), 0xFF0000u);
    EXPECT_EQ(at(29, 15), 0xFF0000u) << "a plain bitmap stretch copies without blending";
    EXPECT_EQ(at(30, 15), 0x0000FFu);
    EXPECT_EQ(at(5, 15), 0u);
}

TEST_F(QtPlatformTest, TextIsDrawnInsideItsRectangle) {
    auto font = platform.MakeFont({u"Tahoma", 16});
    struct Case {
        const char* name;
        std::u16string text;
        uint32_t flags;
    };
    const Rect rect{20, 10, 120, 40};
    for (const Case& c :
         {Case{"centred line", u"Hello",
               TextFlag::Center | TextFlag::VCenter | TextFlag::SingleLine},
          Case{"long line with ellipsis", u"A very long caption that cannot fit at all",
               TextFlag::WordEllipsis | TextFlag::SingleLine | TextFlag::VCenter |
                   TextFlag::NoClip},
          Case{"wrapped words", u"Several short words wrap here",
               TextFlag::WordBreak | TextFlag::WordEllipsis}}) {
        auto image = platform.CreateImage({200, 60});
        platform.PaintInto(*image, [&](Surface& s) {
            s.DrawString(c.text, rect, *font, Rgb(255, 255, 255), c.flags);
        });
        const QRect inked = Inked(*image);
        EXPECT_FALSE(inked.isEmpty()) << c.name;
        EXPECT_TRUE(QRect(20, 10, 100, 30).contains(inked))
            << c.name << ": ink at " << inked.x() << "," << inked.y() << " " << inked.width() << "x"
            << inked.height();
    }
}

TEST_F(QtPlatformTest, WithoutClippingOrEllipsisALongLineRunsOut) {
    auto font = platform.MakeFont({u"Tahoma", 16});
    auto image = platform.CreateImage({400, 60});
    platform.PaintInto(*image, [&](Surface& s) {
        s.DrawString(u"A very long caption that cannot fit at all", {20, 10, 120, 40}, *font,
                     Rgb(255, 255, 255), TextFlag::SingleLine | TextFlag::NoClip);
    });
    EXPECT_GT(Inked(*image).right(), 120);
}

TEST(QtTextLinesTest, LinesFollowTheFormatFlags) {
    QFont font;
    font.setPixelSize(14);
    const qreal width = QFontMetricsF(font).horizontalAdvance(QStringLiteral("two words"));
    EXPECT_EQ(TextLines(QStringLiteral("a\nb"), font, 500, TextFlag::SingleLine),
              QStringList{QStringLiteral("a b")});
    EXPECT_EQ(TextLines(QStringLiteral("a\r\nb"), font, 500, 0),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(
        TextLines(QStringLiteral("two words two words"), font, width + 2, TextFlag::WordBreak),
        (QStringList{QStringLiteral("two words"), QStringLiteral("two words")}));
    const QStringList elided =
        TextLines(QStringLiteral("two words and more"), font, width, TextFlag::WordEllipsis);
    ASSERT_EQ(elided.size(), 1);
    EXPECT_TRUE(elided[0].endsWith(QChar(0x2026)));
    EXPECT_LE(QFontMetricsF(font).horizontalAdvance(elided[0]), width);
}

TEST_F(QtPlatformTest, FontsFollowTheirRequest) {
    auto cell = platform.MakeFont({u"Tahoma", 24});
    EXPECT_NEAR(QFontMetrics(QFontOf(*cell)).height(), 24, 1) << "positive height is the cell";
    auto em = platform.MakeFont({u"Tahoma", -20});
    EXPECT_EQ(QFontOf(*em).pixelSize(), 20) << "negative height is the character height";
    auto bold = platform.MakeFont({u"Tahoma", 24, 0, 700});
    EXPECT_EQ(QFontOf(*bold).weight(), QFont::Bold);
    auto narrow = platform.MakeFont({u"Tahoma", 24, 6});
    const Size wide = platform.MeasureText(u"WWWWWW", *cell);
    const Size slim = platform.MeasureText(u"WWWWWW", *narrow);
    EXPECT_LT(slim.width, wide.width) << "a small width makes the font narrower";
    EXPECT_EQ(platform.MeasureText(u"", *cell).width, 0);
    EXPECT_EQ(cell->Attributes().face, u"Tahoma");
    EXPECT_FALSE(platform.DefaultGuiFont().face.empty());
}

TEST_F(QtPlatformTest, AMissingTahomaIsReplacedByANarrowFace) {
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma")) ||
        !QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans Condensed")))
        GTEST_SKIP() << "needs DejaVu Sans Condensed and no Tahoma";
    auto label = platform.MakeFont({u"Tahoma", 16});
    EXPECT_EQ(QFontInfo(QFontOf(*label)).family(), QStringLiteral("DejaVu Sans Condensed"));
    EXPECT_LE(platform.MeasureText(u"100%", *label).width, 40) << "the battery text fits its box";
}

TEST_F(QtPlatformTest, IconIsDrawnFromTheProgramResource) {
    auto image = platform.CreateImage({32, 32});
    platform.PaintInto(*image, [](Surface& s) { s.DrawIcon(128, {0, 0, 32, 32}); });
    EXPECT_FALSE(Inked(*image).isEmpty());
}
