// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/timeline.h"

#include <QElapsedTimer>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcTimeline, "velmora.timeline", QtWarningMsg)

namespace {
QElapsedTimer &showClock()
{
    static QElapsedTimer timer;
    return timer;
}
} // namespace

namespace Timeline {

void start()
{
    showClock().start();
}

void mark(const char *moment)
{
    if (lcTimeline().isInfoEnabled() && showClock().isValid())
        qCInfo(lcTimeline, "%s at %.1f ms", moment, showClock().nsecsElapsed() / 1e6);
}

void mark(const QString &moment)
{
    mark(qPrintable(moment));
}

} // namespace Timeline
