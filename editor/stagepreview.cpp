// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/stagepreview.h"

#include "controls/label.h"
#include "controls/picturebox.h"
#include "editor/stagelayout.h"
#include "editor/titlebar.h"

#include <QVBoxLayout>

StagePreview::StagePreview(const AssetSource &assets, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_titleBar = new TitleBar(this);
    m_titleBar->setIcon(QIcon(QStringLiteral(":/cupid-48.png")));
    m_client = new QWidget(this);
    m_client->setFixedSize(Stage::clientArea);
    m_client->setFont(Stage::windowFont());
    layout->addWidget(m_titleBar);
    layout->addWidget(m_client);
    setFixedWidth(Stage::clientArea.width());
    m_stage = Stage::build(m_client, assets);
    poseForQuestion(m_stage);
}

void StagePreview::rebuild(const AssetSource &assets)
{
    const QString letter = m_stage.Label1->Caption();
    const QString declaration = m_stage.Label2->Caption();
    const QString question = m_stage.Label4->Caption();
    delete m_stage.Picture1; // and everything on it
    m_stage = Stage::build(m_client, assets);
    poseForQuestion(m_stage);
    m_stage.Picture1->show();
    setLetter(letter);
    setDeclaration(declaration);
    setQuestion(question);
}

void StagePreview::setLetter(const QString &text)
{
    m_stage.Label1->setCaption(text);
}

void StagePreview::setDeclaration(const QString &text)
{
    m_stage.Label2->setCaption(text);
}

void StagePreview::setQuestion(const QString &text)
{
    m_stage.Label4->setCaption(text);
}

void StagePreview::setCaption(const QString &text)
{
    m_titleBar->setTitle(text);
}

QString StagePreview::caption() const
{
    return m_titleBar->title();
}
