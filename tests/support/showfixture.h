// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "show/form1.h"
#include "support/fakehost.h"
#include "support/testfolder.h"

#include <QByteArray>

// The show's window in a program folder of its own, on a fake host, with its
// handlers run the way the host runs them (run-time errors and the program's
// end included). Ticks are delivered by hand, one handler call each.
class ShowFixture
{
public:
    ShowFixture() = default;
    // Both message files written, then the window loaded.
    ShowFixture(const QByteArray &letter, const QByteArray &declaration,
                const Words &chosen = Words())
        : words(chosen)
    {
        folder.write(QStringLiteral("orlessa.ini"), letter);
        folder.write(QStringLiteral("xuanyan.ini"), declaration);
        load();
    }
    ShowFixture(const ShowFixture &) = delete;
    ShowFixture &operator=(const ShowFixture &) = delete;

    void load()
    {
        form.runHandler([this] { form.Form_Load(); });
    }
    void letterTicks(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            form.runHandler([this] { form.Timer1_Timer(); });
    }
    void declarationTicks(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            form.runHandler([this] { form.Timer3_Timer(); });
    }
    void walkTicks(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            form.runHandler([this] { form.Timer4_Timer(); });
    }
    // The number of walk ticks up to and including the one that stops the
    // walk, or -1 if it has not stopped after `limit` ticks.
    int walkTicksUntilStop(int limit = 1000)
    {
        for (int i = 1; i <= limit; ++i) {
            walkTicks();
            if (!form.Timer4->Enabled())
                return i;
        }
        return -1;
    }
    // The video player's notification, as its backend reports the end.
    void videoEnds() { host.videoBackend()->finish(); }
    void notifyVideo(qint32 value)
    {
        form.runHandler([this, value] { form.WindowsMediaPlayer1_PlaybackEnded(value); });
    }

    TestFolder folder;
    FakeHost host;
    Words words;
    Form1 form { host.parts(), folder.path(), words };
};
