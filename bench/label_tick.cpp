// SPDX-License-Identifier: GPL-3.0-or-later
// What one typewriter tick costs the GUI thread: the stage's letter label
// takes one more character and paints what changed. Printed beside the floor,
// a widget that measures and draws the same last line with
// QPainter::drawText() as the label did before it laid lines out whole, for
// the default letter and for a letter full of emoji and Arabic.
#include "controls/label.h"
#include "stage/defaulttexts.h"
#include "stage/stage.h"
#include "runtime/assetsource.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {
double threadCpuUs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// The floor: the last line measured with QFontMetrics and drawn with drawText().
class DrawnLines : public QWidget
{
public:
    explicit DrawnLines(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_StaticContents);
        setFont(Stage::letterFont());
        move(8, 8);
    }
    void setText(const QString &text)
    {
        m_lines = text.split(QStringLiteral("\r\n"));
        const int row = int(m_lines.size()) - 1;
        const int width = fontMetrics().horizontalAdvance(m_lines.last());
        resize(std::max(this->width(), width), 14 * int(m_lines.size()));
        update(0, (row - 1) * 14, this->width(), 3 * 14);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.setPen(QColor(64, 64, 64));
        const QFontMetrics metrics = fontMetrics();
        const int baseline = (14 + metrics.ascent() - metrics.descent()) / 2;
        const int first = std::max(0, event->rect().top() / 14 - 1);
        const int last = std::min<int>(int(m_lines.size()) - 1, event->rect().bottom() / 14 + 1);
        for (int i = first; i <= last; ++i)
            painter.drawText(0, i * 14 + baseline, m_lines[i]);
    }

private:
    QStringList m_lines;
};

QString emojiAndArabic()
{
    const QString line = QStringLiteral("❤️ 😍 ☺️ 👩‍❤️‍👨 👨‍👩‍👧 👍🏽 🇨🇳 🏳️‍🌈 1️⃣ أحبك كثيرا يا حبيبتي\r\n");
    return line.repeated(8);
}

// Shown and painted once: only then do ticks paint.
void showExposed(QWidget &window)
{
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    window.repaint();
}

template<typename Type>
double medianTickUs(QWidget &window, const QString &text, Type type)
{
    QList<double> ticks;
    for (qsizetype n = 1; n <= text.size(); ++n) {
        const double before = threadCpuUs();
        type(n);
        window.repaint();
        QCoreApplication::processEvents();
        ticks.append(threadCpuUs() - before);
    }
    std::sort(ticks.begin(), ticks.end());
    return ticks[ticks.size() / 2];
}

void measure(const char *name, const QString &text)
{
    QWidget window;
    window.resize(Stage::clientArea);
    const Stage stage = Stage::build(&window, AssetSource());
    showExposed(window);
    const double label = medianTickUs(window, text, [&](qsizetype n) {
        stage.Label1->setCaption(text.left(n), text.mid(n, 2));
    });

    QWidget bare;
    bare.resize(Stage::clientArea);
    auto *drawn = new DrawnLines(&bare);
    showExposed(bare);
    const double floor = medianTickUs(bare, text, [&](qsizetype n) { drawn->setText(text.left(n)); });
    std::printf("%-28s label %7.1f µs a tick, floor (drawText) %7.1f µs: %.2f×\n", name, label, floor,
                label / floor);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    measure("the default letter", DefaultTexts::letter());
    measure("emoji and Arabic", emojiAndArabic());
    return 0;
}
