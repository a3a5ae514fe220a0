// SPDX-License-Identifier: GPL-3.0-or-later
// Members of Form1, the show's window (show/form1.h): the typewriters' tick
// handlers Timer1_Timer and Timer3_Timer and the typing step they share.
#include "runtime/timeline.h"
#include "show/form1.h"
#include "stage/programfiles.h"
#include "stage/typewriter.h"

// The letter and the declaration are typed by the same tick, one 16-bit
// character per tick (CR and LF too), from whatever the source label holds
// now. The characters typed so far collect in Text1, which also keeps the
// keyboard focus, so anything the user types lands in the text as well.
bool Form1::typeNextCharacter(qint64 &revealPos, Label *display, Timer *timer)
{
    SourceText = Label3->Caption();
    ++revealPos;
    Text1->setText(Text1->Text() + characterAt(SourceText, revealPos));
    Text1->setSelStart(revealPos);
    Text1->SetFocus();
    if (revealPos > Label3->Caption().size())
        return true;
    timer->setEnabled(true);
    // What comes next decides whether the last character typed ends a
    // cluster: a sequence is drawn once it is whole.
    display->setCaption(Text1->Text(), SourceText.mid(revealPos, 2));
    return false;
}

void Form1::Timer1_Timer()
{
    if (typeNextCharacter(LetterRevealPos, Label1, Timer1))
        completeLetter();
}

void Form1::completeLetter()
{
    Timeline::mark("letter complete");
    LetterRevealPos = 0;
    Timer1->setEnabled(false);
    Text1->setText(QString());
    ReadMessageFile(FileNames::declaration);
    Timer3->setEnabled(true);
    Timer4->setEnabled(true);
}

void Form1::Timer3_Timer()
{
    Picture2->setVisible(true);
    Picture3->setVisible(true);
    if (typeNextCharacter(DeclarationRevealPos, Label2, Timer3)) {
        Timer3->setEnabled(false);
        askQuestion();
    }
}
