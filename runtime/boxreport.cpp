#include "runtime/boxreport.h"

#include "runtime/boxcodes.h"
#include "runtime/runtimeerror.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcBoxes, "velmora.boxes", QtWarningMsg)

namespace {
QString oneLine(const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    line.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return line;
}
} // namespace

namespace BoxReport {

void shown(BoxButtons buttons, const QString &title, const QString &prompt)
{
    if (lcBoxes().isInfoEnabled())
        qCInfo(lcBoxes, "shown buttons=%d title=%s prompt=%s", BoxCodes::of(buttons), qUtf8Printable(title),
               qUtf8Printable(oneLine(prompt)));
}

void error(const RuntimeError &error, const QString &title)
{
    if (lcBoxes().isInfoEnabled())
        qCInfo(lcBoxes, "error number=%d title=%s prompt=%s", error.number, qUtf8Printable(title),
               qUtf8Printable(oneLine(error.message())));
}

BoxAnswer answered(const QString &title, BoxAnswer answer)
{
    qCInfo(lcBoxes, "answered title=%s result=%d", qUtf8Printable(title), BoxCodes::of(answer));
    return answer;
}

} // namespace BoxReport
