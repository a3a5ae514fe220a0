#pragma once

#include "runtime/messageboxes.h"

#include <QPointer>
#include <QWidget>

// The desktop's message boxes, over the window once it is shown. A Yes/No box
// is answered by Yes or No alone.
class DesktopMessageBoxes : public MessageBoxes
{
public:
    void setOwner(QWidget *owner) { m_owner = owner; }

    BoxAnswer showMessage(const QString &prompt, BoxButtons buttons,
                          const QString &title) override;
    void showRuntimeError(const RuntimeError &error) override;

private:
    QWidget *boxOwner() const;

    QPointer<QWidget> m_owner;
};
