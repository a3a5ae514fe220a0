// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QWidget>

// A window's title bar as a desktop draws it, above a preview of what the
// window holds: the window manager's own is not in any picture of a window.
class TitleBar : public QWidget
{
    Q_OBJECT
public:
    explicit TitleBar(QWidget *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    void setIcon(const QIcon &icon);
    // Whether the window offers a close button.
    void setClosable(bool closable);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    QIcon m_icon;
    bool m_closable = true;
};
