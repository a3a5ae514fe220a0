#include "editor/editorprompts.h"

#include "editor/editortext.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace EditorPrompts {

UnsavedChoice askAboutUnsavedChanges(QWidget *parent, const QStringList &unsaved)
{
    QMessageBox box(QMessageBox::Warning, EditorText::tr("Velmora Editor"),
                    EditorText::tr("Unsaved changes: %1. Save them before closing?")
                            .arg(unsaved.join(EditorText::tr(", ", "between the parts not saved"))),
                    QMessageBox::NoButton, parent);
    QPushButton *save = box.addButton(EditorText::tr("&Save"), QMessageBox::AcceptRole);
    QPushButton *discard
            = box.addButton(EditorText::tr("&Don't Save"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(EditorText::tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return UnsavedChoice::Save;
    if (box.clickedButton() == discard)
        return UnsavedChoice::Discard;
    return UnsavedChoice::Cancel;
}

void reportProblem(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, EditorText::tr("Velmora Editor"), text, QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

DiskChoice askAboutChangeOnDisk(QWidget *parent, const QString &fileName)
{
    QMessageBox box(QMessageBox::Warning, EditorText::tr("Velmora Editor"),
                    EditorText::tr("%1 was changed elsewhere, and the window holds unsaved changes.").arg(fileName),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(EditorText::tr("Replace the window's text with %1 as it is on disk, or keep the window's?").arg(fileName));
    QPushButton *reload = box.addButton(EditorText::tr("&Reload (lose my changes)"), QMessageBox::DestructiveRole);
    QPushButton *keep = box.addButton(EditorText::tr("&Keep mine (saving writes over it)"), QMessageBox::AcceptRole);
    QPushButton *saveAs = box.addButton(EditorText::tr("Save mine &As…"), QMessageBox::ActionRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    if (box.clickedButton() == reload)
        return DiskChoice::Reload;
    if (box.clickedButton() == saveAs)
        return DiskChoice::SaveMineAs;
    return DiskChoice::KeepMine;
}

QString chooseOtherName(QWidget *parent, const QString &suggested)
{
    return QFileDialog::getSaveFileName(parent, EditorText::tr("Save My Text As"), suggested,
                                        EditorText::tr("Texts (*.ini *.txt);;All files (*)"));
}

bool askAboutRecovery(QWidget *parent, const QDateTime &written)
{
    QMessageBox box(QMessageBox::Question, EditorText::tr("Velmora Editor"),
                    EditorText::tr("When this folder was last edited, some text was left unsaved (a recovery copy kept at %1).")
                            .arg(written.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(EditorText::tr("Restored text comes back to the window; it goes into the folder when you save."));
    QPushButton *restore = box.addButton(EditorText::tr("&Restore"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(EditorText::tr("&Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(restore);
    box.exec();
    return box.clickedButton() != discard;
}

} // namespace EditorPrompts
