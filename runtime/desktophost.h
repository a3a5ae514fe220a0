#pragma once

#include "runtime/host.h"

#include <QPointer>
#include <QWidget>

class DesktopHost : public Host
{
public:
    void setOwner(QWidget *owner) { m_owner = owner; }

    int ShowMessage(const QString &prompt, int buttons, const QString &title) override;
    int OpenWithShell(WId owner, const QString &verb, const QString &file,
                      const QString &parameters, const QString &directory,
                      int showCommand) override;
    void showRuntimeError(const RuntimeError &error) override;
    void endProgram(int exitCode) override;
    std::unique_ptr<MediaBackend> createMediaBackend() override;

    bool hasEnded() const { return m_ended; }
    int exitCode() const { return m_exitCode; }

private:
    QWidget *boxOwner() const;

    QPointer<QWidget> m_owner;
    bool m_ended = false;
    int m_exitCode = 0;
};
