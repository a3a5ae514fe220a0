// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/programexit.h"

#include <QPointer>
#include <QWidget>

// Hides the window (with the one it is shown in) and leaves the application's event loop with the code.
class DesktopExit : public ProgramExit
{
public:
    void setWindow(QWidget *window) { m_window = window; }

    void endProgram(int exitCode) override;

private:
    QPointer<QWidget> m_window;
};
