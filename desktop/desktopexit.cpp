#include "desktop/desktopexit.h"

#include <QCoreApplication>

void DesktopExit::endProgram(int exitCode)
{
    if (m_window)
        m_window->hide();
    QCoreApplication::exit(exitCode);
}
