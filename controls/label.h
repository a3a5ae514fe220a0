// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/linelayout.h"
#include "controls/twipsgeometry.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <vector>

// A windowless label: transparent, auto-sized to its text, lines broken only
// at line breaks, the text always drawn as plain characters, emoji in colour.
// A right-to-left line ends at the label's right edge, or at the edge it is
// given in its container, so that a line typed leftwards never moves.
class Label : public QWidget, public TwipsGeometry
{
    Q_OBJECT
public:
    Label(QWidget *container, float left, float top);

    QString Caption() const { return m_caption; }
    // A typewriter passes what it will type next: the label then draws the
    // caption up to its last whole grapheme cluster.
    void setCaption(const QString &caption, const QString &toCome = {});
    // A label out of sight is measured only when its size is asked for or it
    // is moved into sight.
    float Width() const;
    float Height() const;

    void setTextFont(const QFont &font, int linePitch);
    void setTextColor(const QColor &color);
    void setCentred(bool centred);
    // Where right-to-left lines end, in twips from the container's left edge.
    void setRightToLeftEdge(float twips);

    // What the label draws, one entry a line.
    const QStringList &lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void placed() override;

private:
    void autoSize();
    void takeSize();
    void takeLines(const QStringList &lines, qsizetype same, qsizetype sameAtEnd,
                   const QString *addedOutOfSight);
    LineLayoutPtr layOut(const QString &line);
    const LineLayout &layoutOf(qsizetype line);
    qreal lineStart(qsizetype line);
    int rightToLeftEnd() const;
    bool outOfSight() const;
    void measureIfDeferred();
    bool growsOutOfSight(qsizetype line, const QString &added) const;

    QString m_caption;
    QStringList m_lines;
    QList<int> m_lineWidths;
    QList<bool> m_lineRightToLeft;
    // Each line's layout; null where it has yet to be made.
    std::vector<LineLayoutPtr> m_layouts;
    // Looked up when a line first may hold an emoji.
    std::optional<QString> m_emojiFamily;
    float m_rightToLeftEdge = -1;
    int m_widest = 0;
    QColor m_color = Qt::black;
    int m_linePitch = 12;
    bool m_centred = false;
    bool m_measureDeferred = false;
    bool m_lastLineLeftToRight = true; // no right-to-left character in the last line
};
