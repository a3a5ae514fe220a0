// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/analysis.h"

#include <QWidget>

// The show's moments on a line of seconds, with the music's end.
class TimelineView : public QWidget
{
    Q_OBJECT
public:
    explicit TimelineView(QWidget *parent = nullptr);

    void setTimes(const ShowTimes &times);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ShowTimes m_times;
};
