#include "editor/stagepreview.h"

#include "editor/analysis.h"
#include "editor/stagelayout.h"
#include "runtime/controls/label.h"

#include <QPainter>

StagePreview::StagePreview(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(Stage::clientArea);
    setFont(Stage::windowFont());
    m_stage = Stage::build(this);
    poseForQuestion(m_stage);
}

void StagePreview::setLetter(const QString &text)
{
    m_stage.Label1->setCaption(text);
}

void StagePreview::setDeclaration(const QString &text)
{
    m_stage.Label2->setCaption(text);
}

TimelineView::TimelineView(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize TimelineView::sizeHint() const
{
    return QSize(Stage::clientArea.width(), fontMetrics().height() * 3 + 24);
}

void TimelineView::setTimes(double letterTyped, double walkEnds, double question, double musicEnds)
{
    m_letterTyped = letterTyped;
    m_walkEnds = walkEnds;
    m_question = question;
    m_musicEnds = musicEnds;
    setToolTip(summary());
    update();
}

QString TimelineView::summary() const
{
    return QStringLiteral("信打完 %1　男孩走完 %2　问题 %3　音乐结束 %4")
            .arg(formatSeconds(m_letterTyped), formatSeconds(m_walkEnds), formatSeconds(m_question),
                 formatSeconds(m_musicEnds));
}

void TimelineView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    const double end = std::max({ m_question, m_musicEnds, m_walkEnds }) * 1.04;
    const int left = 8;
    const int right = width() - 8;
    auto xOf = [&](double seconds) { return left + int((right - left) * seconds / end); };
    const int barTop = 6;
    const int barHeight = 10;

    // The music as a band, the letter and the declaration on it.
    painter.fillRect(QRect(left, barTop, xOf(m_musicEnds) - left, barHeight),
                     QColor(200, 220, 255));
    painter.fillRect(QRect(left, barTop + 3, xOf(m_letterTyped) - left, barHeight - 6),
                     QColor(90, 90, 90));
    painter.fillRect(QRect(xOf(m_letterTyped), barTop + 3, xOf(m_question) - xOf(m_letterTyped),
                           barHeight - 6),
                     QColor(220, 40, 40));

    struct Mark
    {
        double at;
        QString name;
        QColor color;
    };
    const Mark marks[] = {
        { m_letterTyped, QStringLiteral("信打完 %1").arg(formatSeconds(m_letterTyped)),
          QColor(60, 60, 60) },
        { m_walkEnds, QStringLiteral("男孩走完 %1").arg(formatSeconds(m_walkEnds)),
          QColor(30, 110, 30) },
        { m_question, QStringLiteral("问题 %1").arg(formatSeconds(m_question)), QColor(200, 0, 0) },
        { m_musicEnds, QStringLiteral("音乐结束 %1").arg(formatSeconds(m_musicEnds)),
          QColor(40, 70, 160) },
    };
    // Each name goes on the first row where it overlaps no other.
    int rowEnds[3] = { -1000, -1000, -1000 };
    for (const Mark &mark : marks) {
        const int x = xOf(mark.at);
        const int textWidth = metrics.horizontalAdvance(mark.name);
        const int textX = std::clamp(x - textWidth / 2, 0, std::max(0, width() - textWidth));
        int row = 0;
        while (row < 2 && textX < rowEnds[row] + 8)
            ++row;
        rowEnds[row] = textX + textWidth;
        const int textY = barTop + barHeight + 4 + metrics.ascent() + row * lineHeight;
        painter.setPen(QPen(mark.color, 2));
        painter.drawLine(x, barTop - 3, x, barTop + barHeight + 3);
        painter.drawText(textX, textY, mark.name);
    }
}
