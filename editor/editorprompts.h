#pragma once

#include <QString>

class QWidget;

// The editor's few questions and reports, in the desktop's message boxes.
namespace EditorPrompts {

enum class UnsavedChoice { Save, Discard, Cancel };
UnsavedChoice askAboutUnsavedChanges(QWidget *parent);
void reportProblem(QWidget *parent, const QString &text);

} // namespace EditorPrompts
