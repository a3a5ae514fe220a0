// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the editor's test programs share: the message files and their
// default texts, what the show reads back from a folder, a stand-in for the
// show's program, and the fixture each of them starts from.
#include "editor/analysis.h"
#include "editor/outcome.h"
#include "stage/words.h"
#include "support/testfolder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

inline const QString letterFile = QStringLiteral("orlessa.ini");
inline const QString declarationFile = QStringLiteral("xuanyan.ini");

// The texts the editor shows, and saves, for a letter or declaration that is missing.
QString defaultLetter();
QString defaultDeclaration();

QStringList warningsOf(const Analysis &analysis);
// Whether a warning of `analysis` starts with `prefix` ("orlessa.ini:3:")
// and says `says`.
bool anyWarning(const Analysis &analysis, const QString &prefix, const QString &says);

// What the show itself reads from a message file: the whole file, through
// the host's file table.
QString readByTheShow(const TestFolder &folder, const QString &fileName);

// A copy of the test program in the folder as the show's program: the test
// programs carry the show's mark. Its bytes, or none when it could not be made.
QByteArray copyOfTheProgram(const TestFolder &folder);
// The copy, carrying a song of its own ("ours.mp3", 6 seconds).
bool putProgramCarryingASong(const TestFolder &folder);

// Whether `outcome` went through; why not in `why`, in the editor's words.
inline bool succeeded(const Outcome &outcome, QString *why)
{
    *why = outcome.why();
    return outcome.ok();
}

// The show's words as the show reads them from the folder's program.
Words wordsTheShowReads(const TestFolder &folder);

// Set up in initTestCase: a state folder of the test program's own, where the
// recovery copies go, and the editor in Chinese, which is what the tests read.
class EditorFixture
{
public:
    void setUp();

private:
    QTemporaryDir m_state;
};
