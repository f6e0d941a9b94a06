#include "platform/headless/ImageFileReader.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

// Larger pictures than this are refused rather than allocated.
constexpr int64_t kMaxSide = 1 << 15;
constexpr int64_t kMaxPixels = int64_t(1) << 26;
constexpr uintmax_t kMaxFileBytes = uintmax_t(1) << 28;

constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

uint32_t Be32(std::span<const uint8_t> b, size_t at) {
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

uint32_t Le32(std::span<const uint8_t> b, size_t at) {
    return uint32_t(b[at + 3]) << 24 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 1]) << 8 | b[at];
}

uint16_t Le16(std::span<const uint8_t> b, size_t at) {
    return uint16_t(b[at + 1] << 8 | b[at]);
}

bool SaneSize(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
}

std::optional<DecodedImage> DecodePng(std::span<const uint8_t> b) {
    if (b.size() < 24 || std::memcmp(b.data() + 12, "IHDR", 4) != 0 || Be32(b, 8) != 13) {
        return std::nullopt;
    }
    const int64_t width = Be32(b, 16);
    const int64_t height = Be32(b, 20);
    if (!SaneSize(width, height)) {
        return std::nullopt;
    }
    return DecodedImage{{int(width), int(height)}, {}};
}

struct BmpHeader {
    int64_t width = 0;
    int64_t height = 0; // negative: top-down
    int bits = 0;
    uint32_t compression = 0;
    uint32_t pixelOffset = 0;
};

std::optional<BmpHeader> ReadBmpHeader(std::span<const uint8_t> b) {
    if (b.size() < 26) {
        return std::nullopt;
    }
    BmpHeader h;
    h.pixelOffset = Le32(b, 10);
    const uint32_t infoSize = Le32(b, 14);
    if (infoSize == 12) {
        h.width = Le16(b, 18);
        h.height = Le16(b, 20);
        h.bits = Le16(b, 24);
        return h;
    }
    if (infoSize < 40 || b.size() < 54) {
        return std::nullopt;
    }
    h.width = int32_t(Le32(b, 18));
    h.height = int32_t(Le32(b, 22));
    h.bits = Le16(b, 28);
    h.compression = Le32(b, 30);
    return h;
}

// BI_BITFIELDS with the usual masks stores the same bytes as BI_RGB.
bool PlainMasks(std::span<const uint8_t> b, const BmpHeader& h) {
    if (h.compression == 0) {
        return true;
    }
    return h.compression == 3 && h.bits == 32 && b.size() >= 66 && Le32(b, 54) == 0x00FF0000 &&
           Le32(b, 58) == 0x0000FF00 && Le32(b, 62) == 0x000000FF;
}

std::optional<DecodedImage> DecodeBmp(std::span<const uint8_t> b) {
    const std::optional<BmpHeader> h = ReadBmpHeader(b);
    if (!h) {
        return std::nullopt;
    }
    const int64_t height = h->height < 0 ? -h->height : h->height;
    if (!SaneSize(h->width, height)) {
        return std::nullopt;
    }
    DecodedImage image{{int(h->width), int(height)}, {}};
    if ((h->bits != 24 && h->bits != 32) || !PlainMasks(b, *h)) {
        return image;
    }
    const size_t bytesPerPixel = size_t(h->bits / 8);
    const size_t stride = (size_t(h->width) * size_t(h->bits) + 31) / 32 * 4;
    if (h->pixelOffset > b.size() || (b.size() - h->pixelOffset) / stride < size_t(height)) {
        return std::nullopt;
    }
    image.rgb.resize(size_t(h->width) * size_t(height));
    for (int64_t row = 0; row < height; ++row) {
        const int64_t y = h->height < 0 ? row : height - 1 - row;
        const uint8_t* p = b.data() + h->pixelOffset + size_t(row) * stride;
        for (int64_t x = 0; x < h->width; ++x, p += bytesPerPixel) {
            image.rgb[size_t(y * h->width + x)] = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        }
    }
    return image;
}

} // namespace

std::optional<DecodedImage> DecodeImage(std::span<const uint8_t> bytes) {
    if (bytes.size() >= kPngSignature.size() &&
        std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin())) {
        return DecodePng(bytes);
    }
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        return DecodeBmp(bytes);
    }
    return std::nullopt;
}

std::optional<DecodedImage> ReadImageFile(const std::u16string& path) {
    const std::filesystem::path file(path);
    std::error_code error;
    const uintmax_t length = std::filesystem::file_size(file, error);
    if (error || length > kMaxFileBytes) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()))) {
        return std::nullopt;
    }
    return DecodeImage(bytes);
}
