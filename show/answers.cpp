// Members of Form1, the show's window (show/form1.h): the question asked when
// the declaration is complete (askQuestion) and OpenWebPage.
#include "runtime/host.h"
#include "runtime/runtimeerror.h"
#include "runtime/timeline.h"
#include "show/deletemediafile.h"
#include "show/form1.h"
#include "show/matchmaker.h"
#include "show/question.h"
#include "stage/programfiles.h"

// Asked on the declaration's completion tick, with Timer3 already off.
void Form1::askQuestion()
{
    Timeline::mark("question asked");
    Answer = QVariant::fromValue<qint32>(
            ShowMessage(Question::prompt, BoxStyle::yesNo, Question::title));
    if (Answer.toInt() != BoxResult::yes) {
        PlayRefusalVideo();
        return;
    }

    Label4->setVisible(false);
    Picture3->setLeft(Question::meetingLeft(Picture2->Width(), Picture2->Left()));
    Answer2 = static_cast<qint16>(ShowMessage(
            Question::matchmakerPrompt, BoxStyle::yesNo, Question::matchmakerTitle));
    if (Answer2 == BoxResult::yes) {
        QString address = Matchmaker::address;
        OpenWebPage(address);
    }
    DeleteMediaFile(ProgramPath(FileNames::music));
    EndProgram();
}

void Form1::OpenWebPage(QString &address)
{
    // What the desktop makes of it is not looked at.
    m_host.addresses.openAddress(address);
}
