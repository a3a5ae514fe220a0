#pragma once

#include "runtime/host.h"
#include "runtime/mediaplayer.h"
#include "runtime/runtimeerror.h"

#include <QList>
#include <QStringList>

#include <functional>

// Records what the show asks of the host, in order, and answers message
// boxes from a script.
class FakeHost : public Host
{
public:
    struct Box
    {
        QString prompt;
        int buttons;
        QString title;
    };
    struct ShellCall
    {
        QString verb, file, parameters, directory;
        int showCommand;
    };

    class Backend : public MediaBackend
    {
    public:
        Backend(FakeHost &host, int index)
            : m_host(host)
            , m_index(index)
        { }
        void play(const QString &path) override
        {
            m_host.log << QStringLiteral("play%1:%2").arg(m_index).arg(path);
            if (m_host.onPlay)
                m_host.onPlay(m_index, path);
        }
        void stop() override
        {
            m_host.log << QStringLiteral("stop%1").arg(m_index);
            if (m_host.onStop)
                m_host.onStop(m_index);
        }
        void setVolume(int percent) override { volume = percent; }
        void setVideoOutput(QVideoWidget *) override { hasView = true; }
        void finish() { emit finished(); }

        int volume = -1;
        bool hasView = false;

    private:
        FakeHost &m_host;
        int m_index;
    };

    int ShowMessage(const QString &prompt, int buttons, const QString &title) override
    {
        boxes.append({ prompt, buttons, title });
        log << QStringLiteral("box:") + title;
        if (onBox)
            onBox(boxes.last());
        return answers.isEmpty() ? MessageBox::No : answers.takeFirst();
    }
    int OpenWithShell(WId, const QString &verb, const QString &file, const QString &parameters,
                      const QString &directory, int showCommand) override
    {
        shellCalls.append({ verb, file, parameters, directory, showCommand });
        log << QStringLiteral("shell:") + file;
        return 42;
    }
    void showRuntimeError(const RuntimeError &error) override
    {
        errors.append(error);
        log << QStringLiteral("error:%1").arg(error.number);
    }
    void endProgram(int exitCode) override
    {
        ended = true;
        this->exitCode = exitCode;
        log << QStringLiteral("end:%1").arg(exitCode);
    }
    std::unique_ptr<MediaBackend> createMediaBackend() override
    {
        auto backend = std::make_unique<Backend>(*this, int(backends.size()) + 1);
        backends.append(backend.get());
        return backend;
    }

    // The window creates the video player first, then the music player.
    Backend *videoBackend() const { return backends.value(0); }
    Backend *musicBackend() const { return backends.value(1); }

    QList<int> answers;
    QList<Box> boxes;
    QList<ShellCall> shellCalls;
    QList<RuntimeError> errors;
    QList<Backend *> backends;
    QStringList log;
    bool ended = false;
    int exitCode = -1;
    std::function<void(int, const QString &)> onPlay;
    std::function<void(int)> onStop;
    std::function<void(const Box &)> onBox;
};
