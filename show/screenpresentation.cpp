// SPDX-License-Identifier: GPL-3.0-or-later
#include "show/screenpresentation.h"

#include "desktop/screeninhibition.h"
#include "desktop/windowplacement.h"
#include "show/form1.h"
#include "stage/stage.h"

#include <QCloseEvent>
#include <QScreen>

#include <cstdio>

ScreenPresentation::ScreenPresentation(Form1 &form, const QDBusConnection &bus)
    : m_form(form)
    , m_bus(bus)
    , m_formFlags(form.windowFlags())
{
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setWindowIcon(form.windowIcon());
    setWindowTitle(form.windowTitle());
    connect(&form, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    connect(&form, &Form1::leavingPageOpen, this, [this] {
        if (m_presenting)
            stepAside(false);
    });
}

ScreenPresentation::~ScreenPresentation()
{
    // The show's window is not this one's to destroy.
    if (m_form.parentWidget() == this)
        m_form.setParent(nullptr);
}

bool ScreenPresentation::keepsScreenAwake() const
{
    return m_inhibition && m_inhibition->way() != ScreenInhibition::Way::Unheld;
}

void ScreenPresentation::present(QScreen *screen)
{
    m_presenting = true;
    m_form.setParent(this);
    setCursor(Qt::BlankCursor);
    m_form.setCursor(Qt::BlankCursor);
    m_inhibition = std::make_unique<ScreenInhibition>(m_bus, QStringLiteral("the show is running"));
    fitStage();
    m_form.show();
    showFullScreenOn(*this, screen, [this] {
        if (!m_presenting)
            return;
        std::fprintf(stderr, "velmora: the window manager did not give the show the whole "
                             "screen; it plays in its window.\n");
        stepAside(true);
    });
}

void ScreenPresentation::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_presenting)
        fitStage();
}

void ScreenPresentation::fitStage()
{
    const Stage::Fit fit = Stage::fitIn(size());
    m_form.setStageScale(fit.scale);
    m_form.move(fit.rect.topLeft());
}

void ScreenPresentation::stepAside(bool awake)
{
    m_presenting = false;
    if (!awake)
        m_inhibition.reset();
    m_form.unsetCursor();
    m_form.setParent(nullptr, m_formFlags);
    m_form.setStageScale(1.0);
    showCentred(m_form);
    hide();
}

void ScreenPresentation::closeEvent(QCloseEvent *event)
{
    // Closing the whole screen is closing the show's window.
    event->setAccepted(!m_presenting || m_form.close());
}
