#include "editor/stagepreview.h"

#include "controls/label.h"
#include "controls/picturebox.h"
#include "editor/stagelayout.h"

StagePreview::StagePreview(const AssetSource &assets, QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(Stage::clientArea);
    setFont(Stage::windowFont());
    m_stage = Stage::build(this, assets);
    poseForQuestion(m_stage);
}

void StagePreview::rebuild(const AssetSource &assets)
{
    const QString letter = m_stage.Label1->Caption();
    const QString declaration = m_stage.Label2->Caption();
    delete m_stage.Picture1; // and everything on it
    m_stage = Stage::build(this, assets);
    poseForQuestion(m_stage);
    m_stage.Picture1->show();
    setLetter(letter);
    setDeclaration(declaration);
}

void StagePreview::setLetter(const QString &text)
{
    m_stage.Label1->setCaption(text);
}

void StagePreview::setDeclaration(const QString &text)
{
    m_stage.Label2->setCaption(text);
}
