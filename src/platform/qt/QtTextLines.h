#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>

// Breaks a text into the lines DrawText would show in a rectangle of the given width:
// SingleLine keeps one line (line breaks become spaces), otherwise explicit breaks start new
// lines and WordBreak wraps between words; the ellipsis flags shorten each line that is still
// too wide.
QStringList TextLines(const QString& text, const QFont& font, qreal width, uint32_t flags);
