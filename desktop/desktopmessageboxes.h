// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/messageboxes.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QMessageBox;

// What a box's Yes, No and OK buttons say, accelerators included; an empty
// `ok` leaves the one Qt gives.
struct BoxButtonTexts
{
    QString yes = QStringLiteral("是(&Y)");
    QString no = QStringLiteral("否(&N)");
    QString ok;
};

// The desktop's message boxes, over the window once it is shown. A Yes/No box
// is answered by Yes or No alone.
class DesktopMessageBoxes : public MessageBoxes
{
public:
    void setOwner(QWidget *owner) { m_owner = owner; }
    void setButtonTexts(const BoxButtonTexts &texts) { m_buttonTexts = texts; }

    // The box showMessage() raises, built but not shown: its title, prompt,
    // icon and buttons. The editor draws its preview of the show's boxes
    // from it.
    static std::unique_ptr<QMessageBox> buildBox(const QString &prompt, BoxButtons buttons,
                                                 const QString &title,
                                                 const BoxButtonTexts &texts,
                                                 QWidget *owner = nullptr);

    BoxAnswer showMessage(const QString &prompt, BoxButtons buttons,
                          const QString &title) override;
    void showRuntimeError(const RuntimeError &error) override;

private:
    QWidget *boxOwner() const;

    QPointer<QWidget> m_owner;
    BoxButtonTexts m_buttonTexts;
};
