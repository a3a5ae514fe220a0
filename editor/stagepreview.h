#pragma once

#include "stage/stage.h"

class AssetSource;

#include <QWidget>

// The stage at 1:1 as the addressee sees it when the question comes, built
// by the show's own stage code.
class StagePreview : public QWidget
{
    Q_OBJECT
public:
    // The stage with the pictures of `assets`.
    explicit StagePreview(const AssetSource &assets, QWidget *parent = nullptr);

    void setLetter(const QString &text);
    void setDeclaration(const QString &text);
    // Builds the stage afresh, with the pictures of `assets`.
    void rebuild(const AssetSource &assets);

    const Stage &stage() const { return m_stage; }

private:
    Stage m_stage;
};
