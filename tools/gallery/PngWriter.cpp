#include "PngWriter.h"

#include <png.h>

bool WritePng(const std::string& path, Size size, const std::vector<uint32_t>& rgb) {
    const size_t count =
        size.width > 0 && size.height > 0 ? size_t(size.width) * size_t(size.height) : 0;
    if (count == 0 || rgb.size() < count) {
        return false;
    }
    std::vector<png_byte> bytes(count * 3);
    for (size_t i = 0; i < count; ++i) {
        bytes[i * 3] = png_byte(rgb[i] >> 16);
        bytes[i * 3 + 1] = png_byte(rgb[i] >> 8);
        bytes[i * 3 + 2] = png_byte(rgb[i]);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(size.width);
    image.height = png_uint_32(size.height);
    image.format = PNG_FORMAT_RGB;
    const bool written =
        png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return written;
}
