// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QWidget>

#include <memory>

class Form1;
class QScreen;
class ScreenInhibition;

// The show on the whole screen: a black full-screen window over the screen it
// opens on, with the show's window inside it drawn at the largest size that
// fits, centred. While the show runs the pointer is hidden over it and the
// screen is kept from blanking. Where the window manager will not give it the
// whole screen, or the show leaves its window open for a web page, the show
// steps back into its own window, centred, as when it is presented there.
class ScreenPresentation : public QWidget
{
    Q_OBJECT
public:
    // `bus` is the session bus the screen saver is asked on.
    ScreenPresentation(Form1 &form, const QDBusConnection &bus);
    ~ScreenPresentation() override;

    void present(QScreen *screen);
    bool presenting() const { return m_presenting; }
    // How the screen is kept from blanking; unheld once the show is over.
    bool keepsScreenAwake() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void fitStage();
    // The show's own window again, centred; the screen stays awake when `awake`.
    void stepAside(bool awake);

    Form1 &m_form;
    QDBusConnection m_bus;
    Qt::WindowFlags m_formFlags;
    std::unique_ptr<ScreenInhibition> m_inhibition;
    bool m_presenting = false;
};
