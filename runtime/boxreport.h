#pragma once

#include "runtime/messageboxes.h"

#include <QString>

struct RuntimeError;

// Every message box the program shows and how it was answered, written to the
// "velmora.boxes" logging category (off unless QT_LOGGING_RULES turns it on),
// one line each, so that scripts driving the real program can tell the boxes
// apart. Buttons and answers go by the show's numbers (runtime/boxcodes.h):
//   shown buttons=4 title=询问 prompt=...
//   error number=75 title=Velmora prompt=...
//   answered title=询问 result=6
// CR and LF in a prompt are written as \r and \n.
namespace BoxReport {
void shown(BoxButtons buttons, const QString &title, const QString &prompt);
void error(const RuntimeError &error, const QString &title);
// Returns the answer, so that it can be reported where it is returned.
BoxAnswer answered(const QString &title, BoxAnswer answer);
} // namespace BoxReport
