// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What to hand QWidget::setWindowTitle() for the title bar to show `title`
// exactly as written: Qt reads "[*]" as the place of its "modified" mark and
// takes it out, but shows "[*][*]" as one "[*]".
QString asWindowTitle(const QString &title);
