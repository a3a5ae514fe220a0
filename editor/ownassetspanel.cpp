#include "editor/ownassetspanel.h"

#include "editor/editorprompts.h"
#include "editor/editortext.h"
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
        return OwnAssetsPanel::tr("Music (*.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.wav);;All files (*)");
    case AssetSlot::Kind::Film:
        return OwnAssetsPanel::tr("Films (*.avi *.mp4 *.m4v *.mkv *.webm *.mov *.ogv);;All files (*)");
    case AssetSlot::Kind::Picture:
        break;
    }
    return OwnAssetsPanel::tr("Pictures (*.jpg *.jpeg *.png *.webp *.bmp *.gif);;All files (*)");
}
} // namespace

OwnAssetsPanel::OwnAssetsPanel(const QString &folder, QWidget *parent)
    : QGroupBox(tr("Music, Film and Pictures"), parent)
    , m_folder(folder)
{
    chooseFile = [this](const AssetSlot &slot) {
        return QFileDialog::getOpenFileName(this, tr("Choose a %1").arg(slot.name()),
                                            QString(), fileFilter(slot));
    };
    reportProblem = [this](const QString &text) { EditorPrompts::reportProblem(this, text); };

    auto *grid = new QGridLayout(this);
    int row = 0;
    for (const AssetSlot &slot : AssetSlot::all()) {
        auto *what = new QLabel(this);
        what->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto *choose = new QPushButton(tr("Use My Own…"), this);
        choose->setAccessibleName(tr("Use my own %1").arg(slot.name()));
        auto *restore = new QPushButton(tr("Restore Default"), this);
        restore->setAccessibleName(tr("Restore the default %1").arg(slot.name()));
        grid->addWidget(new QLabel(tr("%1:").arg(asHeading(slot.name())), this), row, 0);
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
    const Produced<CarriedAssets> read = ShowProgram(m_folder).read();
    m_carried = read.ok() ? read.value() : CarriedAssets();
    QString problem = read.why();
    if (problem.isEmpty() && !m_carried.problem().isEmpty())
        problem = tr("What the program carries cannot be used (%1); the show uses its own.")
                          .arg(m_carried.problem().text());
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const AssetSlot &slot = AssetSlot::all()[i];
        const bool own = m_carried.find(slot.key) != nullptr;
        m_rows[i].what->setText(own ? describeCarried(slot, m_carried)
                                    : tr("built-in %1").arg(slot.name()));
        m_rows[i].restore->setEnabled(own);
    }
}

bool OwnAssetsPanel::change(const QList<AssetBundle::Asset> &assets, const QStringList &dropped)
{
    const Outcome written = ShowProgram(m_folder).change(assets, dropped);
    if (!written.ok())
        reportProblem(written.why());
    reload();
    emit changed();
    return written.ok();
}

bool OwnAssetsPanel::replace(const AssetSlot &slot, const QString &file)
{
    // The player is asked in a local event loop: no second change meanwhile.
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto assets = prepareOwnAsset(slot, file);
    QApplication::restoreOverrideCursor();
    setEnabled(true);
    if (!assets.ok()) {
        reportProblem(assets.why());
        return false;
    }
    return change(*assets, {});
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
