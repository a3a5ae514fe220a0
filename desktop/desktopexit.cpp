// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktopexit.h"

#include <QCoreApplication>

void DesktopExit::endProgram(int exitCode)
{
    if (m_window)
        m_window->window()->hide(); // and whatever holds it
    QCoreApplication::exit(exitCode);
}
