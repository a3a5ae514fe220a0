#include "editor/editorprompts.h"

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

} // namespace EditorPrompts
