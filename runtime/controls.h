#pragma once

// The window's controls as the show uses them: positions and sizes in twips
// (single precision, read back as written), labels that draw plain text, a
// typing buffer that keeps its text exactly, picture boxes and timers.

#include <QColor>
#include <QFrame>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWidget>

constexpr float twipsPerPixel = 15.0f;
int twipsToPixels(float twips);

// Twips geometry of one widget; the widget is placed at the nearest pixel.
class TwipsGeometry
{
public:
    explicit TwipsGeometry(QWidget *widget);

    float Left() const { return m_left; }
    float Top() const { return m_top; }
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    void setLeft(float left);
    void setTop(float top);
    void setBounds(float left, float top, float width, float height);

protected:
    void setSizeFromPixels(QSize size);
    // Called whenever the widget has been placed anew.
    virtual void placed() { }

private:
    void place();

    QWidget *m_widget;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
};

// The lines a label draws: CR LF is one break; a lone CR or LF breaks the line too.
QStringList splitLabelLines(const QString &text);

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

    const QStringList &lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void placed() override;

private:
    void autoSize();
    bool outOfSight() const;
    void measureIfDeferred();
    QRect lineRect(qsizetype line, int fromX, int toX) const;

    QString m_caption;
    QStringList m_lines;
    QList<int> m_lineWidths;
    int m_widest = 0;
    QColor m_color = Qt::black;
    int m_linePitch = 12;
    bool m_centred = false;
    bool m_measureDeferred = false;
};

// A multi-line text box that keeps its text exactly as written (CR and LF
// included) and takes what the user types or pastes, and what an input
// method commits, at its caret.
class TextBox : public QWidget, public TwipsGeometry
{
    Q_OBJECT
public:
    TextBox(QWidget *container, float left, float top, float width, float height);

    QString Text() const { return m_text; }
    void setText(const QString &text);
    int SelStart() const { return m_selStart; }
    void setSelStart(qint64 position);
    // Giving the focus to a hidden or disabled box is a run-time error.
    void SetFocus();

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void insertAtCaret(const QString &text);
    void paste();
    qsizetype unitsBeforeCaret() const;
    qsizetype unitsAfterCaret() const;
    qsizetype lineStart() const;
    qsizetype lineEnd() const;

    QString m_text;
    int m_selStart = 0;
};

// A picture box: one fixed image drawn unscaled from the top-left corner of
// its content area, which holds the child controls. The picture is named by
// its file or resource; on screens scaled above 100 % its doubled version,
// "name@2x.ext", is drawn in the same place where there is one.
class PictureBox : public QFrame, public TwipsGeometry
{
    Q_OBJECT
public:
    PictureBox(QWidget *container, float left, float top, float width, float height,
               const QString &pictureName, int frameWidth = 0);

    QWidget *content() const { return m_content; }

private:
    QWidget *m_content;
};

// A timer with an on/off switch whose ticks keep to a fixed schedule: tick k
// is due k intervals after the timer was switched on, however long the
// handlers take. A timer switched on inside another timer's tick counts from
// that tick's due time, so a chain of timers keeps the show's nominal pace.
// After a stall of more than a whole interval the schedule starts afresh.
class Timer : public QObject
{
    Q_OBJECT
public:
    // Nanoseconds on a steady clock.
    using Clock = qint64 (*)();

    Timer(QObject *parent, int intervalMs);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int interval() const { return m_intervalMs; }
    // When the next tick is due, on the clock's scale; meaningful while enabled.
    qint64 nextDueNs() const { return m_dueNs; }

    // Tests set the time themselves; nullptr restores the steady clock.
    static void setClock(Clock clock);

signals:
    void timeout();

private:
    void fire();
    void arm();
    qint64 intervalNs() const { return m_intervalMs * 1'000'000LL; }

    QTimer m_trigger;
    int m_intervalMs;
    bool m_enabled = false;
    qint64 m_dueNs = 0;
};
