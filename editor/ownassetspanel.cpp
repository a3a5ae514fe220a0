#include "editor/ownassetspanel.h"

#include "editor/editorprompts.h"
#include "editor/ownassets.h"
#include "editor/showprogram.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
QString fileFilter(const AssetSlot &slot)
{
    switch (slot.kind) {
    case AssetSlot::Kind::Music:
        return QStringLiteral("音乐 (*.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.wav);;所有文件 (*)");
    case AssetSlot::Kind::Film:
        return QStringLiteral("短片 (*.avi *.mp4 *.m4v *.mkv *.webm *.mov *.ogv);;所有文件 (*)");
    case AssetSlot::Kind::Picture:
        break;
    }
    return QStringLiteral("图片 (*.jpg *.jpeg *.png *.webp *.bmp *.gif);;所有文件 (*)");
}
} // namespace

OwnAssetsPanel::OwnAssetsPanel(const QString &folder, QWidget *parent)
    : QGroupBox(QStringLiteral("音乐、短片和图片"), parent)
    , m_folder(folder)
{
    chooseFile = [this](const AssetSlot &slot) {
        return QFileDialog::getOpenFileName(this, QStringLiteral("选一个%1").arg(slot.name),
                                            QString(), fileFilter(slot));
    };
    reportProblem = [this](const QString &text) { EditorPrompts::reportProblem(this, text); };

    auto *grid = new QGridLayout(this);
    int row = 0;
    for (const AssetSlot &slot : AssetSlot::all()) {
        auto *what = new QLabel(this);
        what->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto *choose = new QPushButton(QStringLiteral("换成我的…"), this);
        choose->setAccessibleName(QStringLiteral("换成我的%1").arg(slot.name));
        auto *restore = new QPushButton(QStringLiteral("恢复默认"), this);
        restore->setAccessibleName(QStringLiteral("恢复默认的%1").arg(slot.name));
        grid->addWidget(new QLabel(slot.name + QStringLiteral("："), this), row, 0);
        grid->addWidget(what, row, 1);
        grid->addWidget(choose, row, 2);
        grid->addWidget(restore, row, 3);
        grid->setColumnStretch(1, 1);
        const AssetSlot *chosen = &slot;
        connect(choose, &QPushButton::clicked, this, [this, chosen] {
            const QString file = chooseFile(*chosen);
            if (!file.isEmpty())
                replace(*chosen, file);
        });
        connect(restore, &QPushButton::clicked, this, [this, chosen] { this->restore(*chosen); });
        m_rows.append({ what, restore });
        ++row;
    }
    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    grid->addWidget(m_problem, row, 0, 1, 4);
    reload();
}

QString OwnAssetsPanel::describedLine(const AssetSlot &slot) const
{
    const qsizetype index = &slot - AssetSlot::all().data();
    return m_rows.value(index).what ? m_rows[index].what->text() : QString();
}

void OwnAssetsPanel::reload()
{
    QString problem;
    m_carried = ShowProgram(m_folder).read(&problem).value_or(CarriedAssets());
    if (problem.isEmpty())
        problem = m_carried.problem().isEmpty()
                ? QString()
                : QStringLiteral("程序带着的东西用不了（%1），放映时用内置的。").arg(m_carried.problem());
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const AssetSlot &slot = AssetSlot::all()[i];
        const bool own = m_carried.find(slot.key) != nullptr;
        m_rows[i].what->setText(own ? describeCarried(slot, m_carried)
                                    : QStringLiteral("内置的%1").arg(slot.name));
        m_rows[i].restore->setEnabled(own);
    }
}

bool OwnAssetsPanel::change(const QList<AssetBundle::Asset> &assets, const QStringList &dropped)
{
    QString problem;
    const bool written = ShowProgram(m_folder).change(assets, dropped, &problem);
    if (!written)
        reportProblem(problem);
    reload();
    emit changed();
    return written;
}

bool OwnAssetsPanel::replace(const AssetSlot &slot, const QString &file)
{
    QString problem;
    // The player is asked in a local event loop: no second change meanwhile.
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<AssetBundle::Asset> assets = prepareOwnAsset(slot, file, &problem);
    QApplication::restoreOverrideCursor();
    setEnabled(true);
    if (assets.isEmpty()) {
        reportProblem(problem);
        return false;
    }
    return change(assets, {});
}

void OwnAssetsPanel::reread()
{
    reload();
    emit changed();
}

bool OwnAssetsPanel::restore(const AssetSlot &slot)
{
    return change({}, slot.keys());
}
