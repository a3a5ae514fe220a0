// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stage/stage.h"

class AssetSource;
class TitleBar;

#include <QWidget>

// The show's window at 1:1 as the addressee sees it when the question comes:
// its caption above the stage built by the show's own stage code.
class StagePreview : public QWidget
{
    Q_OBJECT
public:
    // The stage with the pictures of `assets`.
    explicit StagePreview(const AssetSource &assets, QWidget *parent = nullptr);

    void setLetter(const QString &text);
    void setDeclaration(const QString &text);
    void setQuestion(const QString &text);
    void setCaption(const QString &text);
    QString caption() const;
    // Builds the stage afresh, with the pictures of `assets`.
    void rebuild(const AssetSource &assets);

    const Stage &stage() const { return m_stage; }

private:
    TitleBar *m_titleBar = nullptr;
    QWidget *m_client = nullptr; // the window's client area
    Stage m_stage;
};
