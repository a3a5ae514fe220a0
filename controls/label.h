#pragma once

#include "controls/twipsgeometry.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

// A windowless label: transparent, auto-sized to its text, lines broken only
// at line breaks, the text always drawn as plain characters.
class Label : public QWidget, public TwipsGeometry
{
    Q_OBJECT
public:
    Label(QWidget *container, float left, float top);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // A label out of sight is measured only when its size is asked for or it
    // is moved into sight.
    float Width() const;
    float Height() const;

    void setTextFont(const QFont &font, int linePitch);
    void setTextColor(const QColor &color);
    void setCentred(bool centred);

    // What the label draws, one entry a line.
    const QStringList &lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void placed() override;

private:
    void autoSize();
    bool outOfSight() const;
    void measureIfDeferred();
    bool growsOutOfSight(qsizetype line, const QString &added) const;

    QString m_caption;
    QStringList m_lines;
    QList<int> m_lineWidths;
    int m_widest = 0;
    QColor m_color = Qt::black;
    int m_linePitch = 12;
    bool m_centred = false;
    bool m_measureDeferred = false;
    bool m_lastLineLeftToRight = true; // no right-to-left character in the last line
};
