// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QVideoWidget;

// What actually decodes and plays: Qt Multimedia in the program, a recorder in tests.
class MediaBackend : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // False where nothing can be played at all: then no video surface is made,
    // and every file ends at once.
    virtual bool isAvailable() const { return true; }
    virtual void play(const QString &path) = 0;
    virtual void stop() = 0;
    virtual void setVolume(int percent) = 0;
    virtual void setVideoOutput(QVideoWidget *view) = 0;

signals:
    // The media has played to its end, or cannot be played at all.
    void finished();
};
