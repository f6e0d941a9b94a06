#include "platform/qt/QtTextLines.h"

#include <QRegularExpression>
#include <QTextLayout>

#include "platform/Messages.h"

namespace {

QStringList Wrapped(const QString& paragraph, const QFont& font, qreal width) {
    if (paragraph.isEmpty()) {
        return {QString()};
    }
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

} // namespace

QStringList TextLines(const QString& text, const QFont& font, qreal width, uint32_t flags) {
    const QFontMetricsF metrics(font);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines;
    if (flags & TextFlag::SingleLine) {
        lines << QString(text).replace(lineBreak, QStringLiteral(" "));
    } else {
        for (const QString& paragraph : text.split(lineBreak)) {
            lines << ((flags & TextFlag::WordBreak) ? Wrapped(paragraph, font, width)
                                                    : QStringList{paragraph});
        }
    }
    if (flags & (TextFlag::WordEllipsis | TextFlag::EndEllipsis)) {
        for (QString& line : lines) {
            if (metrics.horizontalAdvance(line) > width) {
                line = metrics.elidedText(line, Qt::ElideRight, width);
            }
        }
    }
    return lines;
}
