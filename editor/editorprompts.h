#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class QWidget;

// The editor's few questions and reports, in the desktop's message boxes.
namespace EditorPrompts {

enum class UnsavedChoice { Save, Discard, Cancel };
// `unsaved` names what has changes: "the letter", "the show's words"...
UnsavedChoice askAboutUnsavedChanges(QWidget *parent, const QStringList &unsaved);
void reportProblem(QWidget *parent, const QString &text);

// A file with unsaved changes in the window was changed elsewhere.
enum class DiskChoice { Reload, KeepMine, SaveMineAs };
DiskChoice askAboutChangeOnDisk(QWidget *parent, const QString &fileName);
// Where to save one's own text instead; empty when the preparer changed their mind.
QString chooseOtherName(QWidget *parent, const QString &suggested);

// A recovery copy written at `written` is there: true to restore it.
bool askAboutRecovery(QWidget *parent, const QDateTime &written);

} // namespace EditorPrompts
