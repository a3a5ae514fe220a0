#include "editor/stagepreview.h"

#include "editor/stagelayout.h"
#include "runtime/controls/label.h"

StagePreview::StagePreview(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(Stage::clientArea);
    setFont(Stage::windowFont());
    m_stage = Stage::build(this);
    poseForQuestion(m_stage);
}

void StagePreview::setLetter(const QString &text)
{
    m_stage.Label1->setCaption(text);
}

void StagePreview::setDeclaration(const QString &text)
{
    m_stage.Label2->setCaption(text);
}
