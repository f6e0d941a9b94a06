#include "platform/qt/QtFont.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

// A cell height of zero asks for the default size.
constexpr int kDefaultCellHeight = 16;

struct CharsetFallback {
    int charset;
    const char* families[2];
};

// Faces that have the glyphs of a character set when the asked face is missing.
constexpr CharsetFallback kCharsetFallbacks[] = {
    {134, {"Noto Sans CJK SC", "WenQuanYi Micro Hei"}}, // GB2312
    {136, {"Noto Sans CJK TC", "AR PL UMing TW"}},      // Big5
    {128, {"Noto Sans CJK JP", "IPAGothic"}},           // Shift-JIS
    {129, {"Noto Sans CJK KR", "UnDotum"}},             // Hangul
};

struct FaceSubstitute {
    const char* face;
    const char* family;
};

// Windows faces the skins are laid out for, and the free face closest to their widths. Tahoma
// is narrower than the usual Linux sans face; without this the fixed-width labels clip.
constexpr FaceSubstitute kFaceSubstitutes[] = {
    {"Tahoma", "DejaVu Sans Condensed"},
};

struct FamilyHint {
    int family; // the FF_ value, high nibble of pitchAndFamily
    QFont::StyleHint hint;
};

constexpr FamilyHint kFamilyHints[] = {
    {0x10, QFont::Serif},   {0x20, QFont::SansSerif},  {0x30, QFont::Monospace},
    {0x40, QFont::Cursive}, {0x50, QFont::Decorative},
};

constexpr int kFixedPitch = 1;

QStringList Families(const FontRequest& request) {
    const QString face = QString::fromStdU16String(request.face);
    QStringList families{face};
    for (const FaceSubstitute& substitute : kFaceSubstitutes) {
        if (face.compare(QLatin1String(substitute.face), Qt::CaseInsensitive) == 0) {
            families << QString::fromLatin1(substitute.family);
        }
    }
    for (const CharsetFallback& fallback : kCharsetFallbacks) {
        if (fallback.charset == request.charset) {
            for (const char* family : fallback.families) {
                families << QString::fromLatin1(family);
            }
        }
    }
    return families;
}

// A positive height is the cell (ascent + descent); Qt's pixel size is the em, so it is scaled
// until the font's own cell matches.
void SetHeight(QFont& font, int height) {
    const int cell = height == 0 ? kDefaultCellHeight : height;
    font.setPixelSize(std::max(std::abs(cell), 1));
    if (cell > 0) {
        const qreal actual = QFontMetricsF(font).height();
        if (actual > 0) {
            font.setPixelSize(std::max(int(std::lround(cell * cell / actual)), 1));
        }
    }
}

void SetWidth(QFont& font, int width) {
    if (width <= 0) {
        return;
    }
    const qreal average = QFontMetricsF(font).averageCharWidth();
    if (average > 0) {
        font.setStretch(std::clamp(int(std::lround(100.0 * width / average)), 1, 4000));
    }
}

void SetFamilyHint(QFont& font, int pitchAndFamily) {
    for (const FamilyHint& entry : kFamilyHints) {
        if (entry.family == (pitchAndFamily & 0xF0)) {
            font.setStyleHint(entry.hint);
        }
    }
    font.setFixedPitch((pitchAndFamily & 0x03) == kFixedPitch);
}

} // namespace

QtFont::QtFont(const FontRequest& request) : request_(request) {
    font_.setFamilies(Families(request));
    SetFamilyHint(font_, request.pitchAndFamily);
    font_.setWeight(QFont::Weight(std::clamp(request.weight == 0 ? 400 : request.weight, 1, 1000)));
    SetHeight(font_, request.height);
    SetWidth(font_, request.width);
}

QFont QFontOf(const Font& font) {
    if (const auto* own = dynamic_cast<const QtFont*>(&font)) {
        return own->Get();
    }
    return QtFont(font.Attributes()).Get();
}
