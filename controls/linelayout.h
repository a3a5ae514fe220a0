// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextLayout>

#include <memory>

class QPaintDevice;
class QPainter;

// One line of a label laid out whole, so that its bidi order and its shaping
// are those of the whole line; its emoji are drawn from `emojiFamily` where
// that is not empty. The line's direction is that of its first strong
// character. Its glyphs run from x 0 to width() whatever the direction.
class LineLayout
{
public:
    LineLayout(const QString &line, const QFont &font, const QString &emojiFamily,
               QPaintDevice *device);

    int width() const { return qRound(m_width); }
    // To a fraction of a pixel: a right-to-left line placed by it keeps its
    // first glyphs exactly where they were as it grows.
    qreal exactWidth() const { return m_width; }
    bool rightToLeft() const { return m_rightToLeft; }
    void draw(QPainter &painter, qreal x, int baseline) const;
    // The glyphs it draws: a whole emoji sequence is one.
    qsizetype glyphCount() const;

private:
    QTextLayout m_layout;
    qreal m_width = 0;
    bool m_rightToLeft = false;
};

using LineLayoutPtr = std::unique_ptr<LineLayout>;
