#pragma once

#include "runtime/reason.h"

#include "editor/analysis.h"
#include "runtime/messageboxes.h"
#include "stage/words.h"

#include <QPixmap>
#include <QWidget>

class QLabel;
class TitleBar;

// One of the show's boxes, by the words it says, in the order the show may
// raise them.
struct ShowBox
{
    const char *englishName;
    QString Words::*prompt;
    QString Words::*title;
    BoxButtons buttons;

    QString name() const; // as the editor names it
    QString promptKey() const;
    QString titleKey() const;

    static const QList<ShowBox> &all();
    // The box whose prompt or title `wordsKey` is; none for other words.
    static const ShowBox *saying(const QString &wordsKey);
};

// A box as the show raises it, built by the show's own code and laid out off
// screen, on the screen the pointer is on, as the show's box lays itself out.
struct BoxPicture
{
    QPixmap inside; // without the title bar, which is the window manager's
    QString title;
    QStringList buttons; // what they say, accelerators included
    bool closable = true;
    // Why the buttons speak Chinese, as the show's would, and not the chosen language.
    Reason buttonsProblem;
};
BoxPicture drawShowBox(const ShowBox &box, const Words &words);
// The box's size in pixels, title bar aside.
QSize measureShowBox(const ShowBox &box, const Words &words);

// A warning, at its prompt, for each box larger than `available` (the free
// part of the screen), where its buttons could be out of reach.
QList<Warning> boxWarnings(const Words &words, const QSize &available);

// A picture of one of the show's boxes with its title bar.
class BoxPreview : public QWidget
{
    Q_OBJECT
public:
    explicit BoxPreview(QWidget *parent = nullptr);

    void showBox(const ShowBox &box, const Words &words);
    const BoxPicture &picture() const { return m_picture; }

private:
    BoxPicture m_picture;
    TitleBar *m_titleBar = nullptr;
    QLabel *m_inside = nullptr;
    QLabel *m_note = nullptr;
};
