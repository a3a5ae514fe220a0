// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/twipsgeometry.h"

#include <QWidget>

// A multi-line text box that keeps its text exactly as written (CR and LF
// included) and takes what the user types or pastes, and what an input
// method commits, at its caret.
class TextBox : public QWidget, public TwipsGeometry
{
    Q_OBJECT
public:
    TextBox(QWidget *container, float left, float top, float width, float height);

    QString Text() const { return m_text; }
    void setText(const QString &text);
    int SelStart() const { return m_selStart; }
    void setSelStart(qint64 position);
    // Giving the focus to a hidden or disabled box is a run-time error.
    void SetFocus();

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void insertAtCaret(const QString &text);
    void paste();
    qsizetype unitsBeforeCaret() const;
    qsizetype unitsAfterCaret() const;
    qsizetype lineStart() const;
    qsizetype lineEnd() const;

    QString m_text;
    int m_selStart = 0;
};
