#include "editor/editorprompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace EditorPrompts {

UnsavedChoice askAboutUnsavedChanges(QWidget *parent)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmora 编辑器"),
                    QStringLiteral("信或宣言有还没保存的修改。关闭之前要保存吗？"),
                    QMessageBox::NoButton, parent);
    QPushButton *save = box.addButton(QStringLiteral("保存(&S)"), QMessageBox::AcceptRole);
    QPushButton *discard
            = box.addButton(QStringLiteral("不保存(&D)"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
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
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Velmora 编辑器"), text, QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("EditorPrompts", text);
}
} // namespace

DiskChoice askAboutChangeOnDisk(QWidget *parent, const QString &fileName)
{
    QMessageBox box(QMessageBox::Warning, tr("Velmora 编辑器"),
                    tr("%1 在别处被改动了，而窗口里还有没保存的修改。").arg(fileName),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(tr("要用磁盘上的 %1 换掉窗口里的文字，还是保留窗口里的？").arg(fileName));
    QPushButton *reload = box.addButton(tr("重新读入（放弃我的修改）(&R)"), QMessageBox::DestructiveRole);
    QPushButton *keep = box.addButton(tr("保留我的（保存时写过它）(&K)"), QMessageBox::AcceptRole);
    QPushButton *saveAs = box.addButton(tr("把我的另存为…(&A)"), QMessageBox::ActionRole);
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
    return QFileDialog::getSaveFileName(parent, tr("把我的文字另存为"), suggested,
                                        tr("文字 (*.ini *.txt);;所有文件 (*)"));
}

bool askAboutRecovery(QWidget *parent, const QDateTime &written)
{
    QMessageBox box(QMessageBox::Question, tr("Velmora 编辑器"),
                    tr("上次编辑这个文件夹时，有没保存的文字（%1 自动留下的恢复副本）。")
                            .arg(written.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(tr("恢复后，文字回到窗口里，保存了才写进文件夹。"));
    QPushButton *restore = box.addButton(tr("恢复(&R)"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(tr("丢弃(&D)"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(restore);
    box.exec();
    return box.clickedButton() != discard;
}

} // namespace EditorPrompts
