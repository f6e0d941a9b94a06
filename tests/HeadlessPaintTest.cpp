#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "HeadlessTestWindow.h"
#include "platform/headless/ImageFileReader.h"

using headless_test::LogWindow;
using Log = std::vector<std::string>;

namespace {

// A fresh folder under the system temporary folder, removed afterwards.
struct TempFolder {
    TempFolder() {
        std::random_device random;
        path = std::filesystem::temp_directory_path() /
               ("corvex-headless-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
    std::u16string File(const std::string& name) const { return (path / name).u16string(); }
    std::filesystem::path path;
};

void Write(const std::u16string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void PutLe(std::vector<uint8_t>& b, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        b[at + size_t(i)] = uint8_t(value >> (8 * i));
    }
}

// A 2 x 2 uncompressed BMP; rows are given top first, pixels as 0x00RRGGBB.
std::vector<uint8_t> TinyBmp(int bits, bool topDown, const std::vector<uint32_t>& rgb) {
    const size_t stride = (2 * size_t(bits) + 31) / 32 * 4;
    std::vector<uint8_t> b(54 + stride * 2, 0);
    b[0] = 'B';
    b[1] = 'M';
    PutLe(b, 2, uint32_t(b.size()), 4);
    PutLe(b, 10, 54, 4);
    PutLe(b, 14, 40, 4);
    PutLe(b, 18, 2, 4);
    PutLe(b, 22, topDown ? uint32_t(-2) : 2u, 4);
    PutLe(b, 26, 1, 2);
    PutLe(b, 28, uint32_t(bits), 2);
    for (int y = 0; y < 2; ++y) {
        const size_t row = size_t(topDown ? y : 1 - y);
        for (int x = 0; x < 2; ++x) {
            const uint32_t c = rgb[size_t(y * 2 + x)];
            const size_t at = 54 + row * stride + size_t(x * bits / 8);
            b[at] = uint8_t(c);
            b[at + 1] = uint8_t(c >> 8);
            b[at + 2] = uint8_t(c >> 16);
        }
    }
    return b;
}

std::vector<uint8_t> TinyPngHeader(uint32_t width, uint32_t height) {
    std::vector<uint8_t> b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0,
                              13,   'I', 'H', 'D', 'R',  0,    0,    0,    0, 0, 0,
                              0,    0,   8,   6,   0,    0,    0,    0,    0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        b[16 + size_t(i)] = uint8_t(width >> (24 - 8 * i));
        b[20 + size_t(i)] = uint8_t(height >> (24 - 8 * i));
    }
    return b;
}

const std::vector<uint32_t> kQuad = {0xFF0000, 0x00FF00, 0x0000FF, 0x102030};

struct HeadlessPaint : testing::Test {
    HeadlessPlatform platform;
    Log log;
    LogWindow handler{log};
    WindowId window = platform.MakeWindow(handler, WindowKind::Dialog, 0, {50, 60, 90, 80});
    std::unique_ptr<Font> font = platform.MakeFont({u"Tahoma", 16, 0, 600, 1, 0});
};

TEST_F(HeadlessPaint, HiddenWindowsWaitAndShowingPaintsTheWholeClientOnce) {
    platform.Invalidate(window);
    platform.Pump();
    EXPECT_TRUE(platform.Paints(window).empty());
    platform.Show(window, ShowCommand::Show);
    platform.Invalidate(window, Rect{0, 0, 5, 5});
    platform.Pump();
    platform.Pump();
    ASSERT_EQ(platform.Paints(window).size(), 1u);
    EXPECT_EQ(platform.Paints(window)[0].size, (Size{40, 20}));
    EXPECT_EQ(platform.Paints(window)[0].invalid, (Rect{0, 0, 40, 20}));
    EXPECT_EQ(log, (Log{"w: paint 40x20"}));
}

TEST_F(HeadlessPaint, SurfaceCallsAreRecordedWithTheirArguments) {
    platform.AddImage(u"/skins/a.png", {4, 4});
    const auto image = platform.LoadImageFile(u"/skins/a.png");
    ASSERT_NE(image, nullptr);
    handler.paint = [&](Surface& s) {
        s.Fill({1, 2, 3, 4}, 0x101010);
        s.DrawImage(*image, {1.5f, 2, 3, 4}, {0, 2, 4, 4});
        s.DrawString(u"800", {0, 0, 40, 20}, *font, 0xFFFFFF, TextFlag::Center | TextFlag::VCenter);
        s.DrawIcon(128, {0, 0, 16, 16});
    };
    platform.Show(window, ShowCommand::Show);
    platform.Pump();
    const std::vector<PaintOp>& ops = platform.LastPaintOps(window);
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].kind, PaintKind::Fill);
    EXPECT_EQ(ops[0].rect, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(ops[0].colour, 0x101010u);
    EXPECT_EQ(ops[1].kind, PaintKind::DrawImage);
    EXPECT_EQ(ops[1].dest, (RectF{1.5f, 2, 3, 4}));
    EXPECT_EQ(ops[1].source, (Rect{0, 2, 4, 4}));
    EXPECT_EQ(ops[1].image, u"/skins/a.png");
    EXPECT_EQ(ops[2].text, u"800");
    EXPECT_EQ(ops[2].font, font->Attributes());
    EXPECT_EQ(ops[2].flags, TextFlag::Center | TextFlag::VCenter);
    EXPECT_EQ(ops[3].iconId, 128);
}

TEST_F(HeadlessPaint, FillsAndPicturesAreRasterised) {
    platform.AddImage(u"/q.bmp", {2, 2}, kQuad);
    const auto quad = platform.LoadImageFile(u"/q.bmp");
    handler.paint = [&](Surface& s) {
        s.Fill({0, 0, 40, 20}, Rgb(1, 2, 3));
        s.StretchBitmap(*quad, {10, 10, 14, 14}, {0, 0, 2, 2}, true);
        s.SetPixel({39, 19}, Rgb(9, 9, 9));
    };
    platform.Show(window, ShowCommand::Show);
    platform.Pump();
    EXPECT_EQ(platform.Pixel(window, {0, 0}), Rgb(1, 2, 3));
    EXPECT_EQ(platform.Pixel(window, {10, 10}), Rgb(0xFF, 0, 0));
    EXPECT_EQ(platform.Pixel(window, {13, 11}), Rgb(0, 0xFF, 0));
    EXPECT_EQ(platform.Pixel(window, {11, 13}), Rgb(0, 0, 0xFF));
    EXPECT_EQ(platform.Pixel(window, {39, 19}), Rgb(9, 9, 9));
    EXPECT_EQ(platform.ScreenPixel({61, 73}), Rgb(0, 0, 0xFF));
}

TEST_F(HeadlessPaint, PartialRepaintChangesOnlyTheInvalidRectangle) {
    Colour colour = Rgb(1, 1, 1);
    handler.paint = [&](Surface& s) { s.Fill({0, 0, 40, 20}, colour); };
    platform.Show(window, ShowCommand::Show);
    platform.Pump();
    colour = Rgb(2, 2, 2);
    platform.Invalidate(window, Rect{0, 0, 10, 10});
    platform.Invalidate(window, Rect{5, 5, 12, 12});
    platform.Pump();
    EXPECT_EQ(platform.Paints(window).back().invalid, (Rect{0, 0, 12, 12}));
    EXPECT_EQ(platform.Pixel(window, {11, 11}), Rgb(2, 2, 2));
    EXPECT_EQ(platform.Pixel(window, {12, 12}), Rgb(1, 1, 1));
}

TEST_F(HeadlessPaint, PaintIntoACreatedImageKeepsItsPixels) {
    const auto image = platform.CreateImage({3, 3});
    platform.PaintInto(*image, [](Surface& s) { s.Fill({1, 1, 3, 3}, Rgb(0x12, 0x34, 0x56)); });
    const std::vector<uint32_t> rgb = image->ReadRgb();
    ASSERT_EQ(rgb.size(), 9u);
    EXPECT_EQ(rgb[0], 0u);
    EXPECT_EQ(rgb[4], 0x123456u);
    handler.paint = [&](Surface& s) { s.DrawImage(*image, {0, 0, 3, 3}, {0, 0, 3, 3}); };
    platform.Show(window, ShowCommand::Show);
    platform.Pump();
    EXPECT_EQ(platform.LastPaintOps(window)[0].image, u"created");
    EXPECT_EQ(platform.Pixel(window, {2, 2}), Rgb(0x12, 0x34, 0x56));
}

TEST_F(HeadlessPaint, SavePpmWritesTheRaster) {
    TempFolder folder;
    handler.paint = [](Surface& s) { s.Fill({0, 0, 40, 20}, Rgb(0xAA, 0xBB, 0xCC)); };
    platform.Show(window, ShowCommand::Show);
    platform.Pump();
    ASSERT_TRUE(platform.SavePpm(window, folder.File("w.ppm")));
    std::ifstream in(folder.path / "w.ppm", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const std::string header = "P6\n40 20\n255\n";
    ASSERT_EQ(bytes.size(), header.size() + 40 * 20 * 3);
    EXPECT_EQ(bytes.substr(0, header.size()), header);
    EXPECT_EQ(bytes.substr(header.size(), 3), "\xAA\xBB\xCC");
}

struct BmpCase {
    int bits;
    bool topDown;
};

class HeadlessBmp : public testing::TestWithParam<BmpCase> {};

TEST_P(HeadlessBmp, UncompressedPixelsAreReadTopDown) {
    TempFolder folder;
    const std::u16string path = folder.File("tiny.bmp");
    Write(path, TinyBmp(GetParam().bits, GetParam().topDown, kQuad));
    HeadlessPlatform platform;
    const auto image = platform.LoadImageFile(path);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetSize(), (Size{2, 2}));
    EXPECT_EQ(image->ReadRgb(), kQuad);
}

INSTANTIATE_TEST_SUITE_P(Layouts, HeadlessBmp,
                         testing::Values(BmpCase{24, false}, BmpCase{24, true}, BmpCase{32, false},
                                         BmpCase{32, true}));

TEST(HeadlessImages, PngGivesItsSizeButNoPixels) {
    TempFolder folder;
    Write(folder.File("a.png"), TinyPngHeader(300, 21));
    HeadlessPlatform platform;
    const auto image = platform.LoadImageFile(folder.File("a.png"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetSize(), (Size{300, 21}));
    EXPECT_TRUE(image->ReadRgb().empty());
}

TEST(HeadlessImages, BrokenFilesGiveNothing) {
    std::vector<uint8_t> truncated = TinyBmp(24, false, kQuad);
    truncated.resize(60);
    std::vector<uint8_t> hugeBmp = TinyBmp(24, false, kQuad);
    PutLe(hugeBmp, 18, 0x7FFFFFFF, 4);
    std::vector<uint8_t> negativeWidth = TinyBmp(32, false, kQuad);
    PutLe(negativeWidth, 18, uint32_t(-2), 4);
    std::vector<uint8_t> shortPng = TinyPngHeader(5, 5);
    shortPng.resize(20);
    const std::vector<std::vector<uint8_t>> cases = {
        {},
        {'B', 'M', 0, 0},
        truncated,
        hugeBmp,
        negativeWidth,
        TinyPngHeader(0, 10),
        TinyPngHeader(0x80000000u, 10),
        shortPng,
        {'G', 'I', 'F', '8', '9', 'a'},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_FALSE(DecodeImage(cases[i]).has_value()) << "case " << i;
    }
    HeadlessPlatform platform;
    EXPECT_EQ(platform.LoadImageFile(u"/nonexistent/missing.png"), nullptr);
}

TEST(HeadlessImages, ResourcesAreRegisteredOrFilesInTheProgramFolder) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path / "res");
    Write(folder.File("res/364.bmp"), TinyBmp(24, false, kQuad));
    Write(folder.File("res/187.png"), TinyPngHeader(7, 9));
    HeadlessPlatform platform;
    platform.SetFolders(folder.path.u16string(), u"/data", u"/cwd");
    platform.AddResourceImage(288, {1, 1}, {0x010203});
    const auto bitmap = platform.LoadResourceImage(364);
    const auto png = platform.LoadResourceImage(187);
    const auto registered = platform.LoadResourceImage(288);
    ASSERT_TRUE(bitmap && png && registered);
    EXPECT_EQ(bitmap->ReadRgb(), kQuad);
    EXPECT_EQ(png->GetSize(), (Size{7, 9}));
    EXPECT_EQ(registered->ReadRgb(), (std::vector<uint32_t>{0x010203}));
    EXPECT_EQ(dynamic_cast<HeadlessImage&>(*bitmap).Source(), u"#364");
    EXPECT_EQ(platform.LoadResourceImage(999), nullptr);
}

TEST(HeadlessImages, RegisteredPixelsOfTheWrongCountAreDropped) {
    HeadlessPlatform platform;
    platform.AddImage(u"/x.png", {2, 2}, {1, 2, 3});
    const auto image = platform.LoadImageFile(u"/x.png");
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->ReadRgb().empty());
}

} // namespace
