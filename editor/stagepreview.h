#pragma once

#include "show/stage.h"

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

    const Stage &stage() const { return m_stage; }

private:
    Stage m_stage;
};

// The show's moments on a line of seconds, with the music's end.
class TimelineView : public QWidget
{
    Q_OBJECT
public:
    explicit TimelineView(QWidget *parent = nullptr);

    void setTimes(double letterTyped, double walkEnds, double question, double musicEnds);
    QString summary() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_letterTyped = 0;
    double m_walkEnds = 0;
    double m_question = 0;
    double m_musicEnds = 0;
};
