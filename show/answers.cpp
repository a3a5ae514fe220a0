// Members of Form1, the show's window (show/form1.h): the question asked when
// the declaration is complete (askQuestion) and OpenWebPage.
#include "runtime/host.h"
#include "runtime/runtimeerror.h"
#include "runtime/timeline.h"
#include "show/deletemediafile.h"
#include "show/form1.h"
#include "show/question.h"
#include "stage/programfiles.h"
#include "stage/words.h"

#include <cstdio>

// Asked on the declaration's completion tick, with Timer3 already off.
void Form1::askQuestion()
{
    Timeline::mark("question asked");
    Answer = QVariant::fromValue<qint32>(
            ShowMessage(m_words.questionPrompt, BoxStyle::yesNo, m_words.questionTitle));
    if (Answer.toInt() != BoxResult::yes) {
        PlayRefusalVideo();
        return;
    }

    Label4->setVisible(false);
    Picture3->setLeft(Question::meetingLeft(Picture2->Width(), Picture2->Left()));
    Answer2 = static_cast<qint16>(ShowMessage(
            m_words.matchmakerPrompt, BoxStyle::yesNo, m_words.matchmakerTitle));
    if (Answer2 == BoxResult::yes) {
        QString address = m_words.address;
        OpenWebPage(address);
    }
    DeleteMediaFile(ProgramPath(FileNames::music));
    EndProgram();
}

void Form1::OpenWebPage(QString &address)
{
    // Checked where it was set, and again here: nothing but a web page opens.
    if (const Reason refusal = WordsRules::addressRefusal(address); !refusal.isEmpty()) {
        std::fprintf(stderr, "velmora: %s; it is not opened\n", qPrintable(refusal.untranslated()));
        return;
    }
    // What the desktop makes of it is not looked at.
    m_host.addresses.openAddress(address);
}
