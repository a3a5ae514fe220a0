#pragma once

#include "stage/stage.h"

#include <QWidget>

// The stage at 1:1 as the addressee sees it when the question comes, built
// by the show's own stage code.
class StagePreview : public QWidget
{
    Q_OBJECT
public:
    explicit StagePreview(QWidget *parent = nullptr);

    void setLetter(const QString &text);
    void setDeclaration(const QString &text);
    // Builds the stage afresh, with the pictures now in use.
    void rebuild();

    const Stage &stage() const { return m_stage; }

private:
    Stage m_stage;
};
