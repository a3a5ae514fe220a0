// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/assetsource.h"
#include "runtime/host.h"
#include "runtime/mediabackend.h"
#include "runtime/runtimeerror.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <map>

// Records what the show asks of the host, in order, and answers message
// boxes from a script.
class FakeHost : public MessageBoxes,
                 public AddressOpener,
                 public ProgramExit,
                 public MediaFactory
{
public:
    Host parts() { return { *this, *this, *this, *this, assets }; }

    struct Box
    {
        QString prompt;
        BoxButtons buttons;
        QString title;
    };

    // Logs as the window's player of its role: 1 the video, 2 the music.
    class Backend : public MediaBackend
    {
    public:
        Backend(FakeHost &host, MediaRole role)
            : m_host(host)
            , m_role(role)
        { }
        void play(const QString &path) override
        {
            m_host.log << QStringLiteral("play%1:%2").arg(playerNumber()).arg(path);
            if (m_host.onPlay)
                m_host.onPlay(m_role, path);
        }
        void stop() override
        {
            m_host.log << QStringLiteral("stop%1").arg(playerNumber());
            if (m_host.onStop)
                m_host.onStop(m_role);
        }
        void setVolume(int percent) override { volume = percent; }
        void setVideoOutput(QVideoWidget *) override { hasView = true; }
        void finish() { emit finished(); }

        int volume = -1;
        bool hasView = false;

    private:
        int playerNumber() const { return m_role == MediaRole::Video ? 1 : 2; }

        FakeHost &m_host;
        MediaRole m_role;
    };

    BoxAnswer showMessage(const QString &prompt, BoxButtons buttons,
                          const QString &title) override
    {
        boxes.append({ prompt, buttons, title });
        log << QStringLiteral("box:") + title;
        if (onBox)
            onBox(boxes.last());
        return answers.isEmpty() ? BoxAnswer::No : answers.takeFirst();
    }
    bool openAddress(const QString &address) override
    {
        openedAddresses.append(address);
        log << QStringLiteral("shell:") + address;
        return true;
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
    std::unique_ptr<MediaBackend> createMediaBackend(MediaRole role) override
    {
        auto backend = std::make_unique<Backend>(*this, role);
        backends[role] = backend.get();
        return backend;
    }

    Backend *backend(MediaRole role) const
    {
        const auto found = backends.find(role);
        return found == backends.end() ? nullptr : found->second;
    }
    Backend *videoBackend() const { return backend(MediaRole::Video); }
    Backend *musicBackend() const { return backend(MediaRole::Music); }

    AssetSource assets;
    QList<BoxAnswer> answers;
    QList<Box> boxes;
    QStringList openedAddresses;
    QList<RuntimeError> errors;
    std::map<MediaRole, Backend *> backends;
    QStringList log;
    bool ended = false;
    int exitCode = -1;
    std::function<void(MediaRole, const QString &)> onPlay;
    std::function<void(MediaRole)> onStop;
    std::function<void(const Box &)> onBox;
};
