// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/carriedassets.h"

#include <QGroupBox>

#include <functional>

class QLabel;
class QPushButton;
struct AssetSlot;

// "Music, Film and Pictures": for each of the show's assets, what the folder's program
// carries, with a button to replace it with a file of one's own and one to go
// back to the built-in one. Each change rewrites the program at once.
class OwnAssetsPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit OwnAssetsPanel(const QString &folder, QWidget *parent = nullptr);

    // What the program carries now (or, in a folder without one, the installed one).
    const CarriedAssets &carried() const { return m_carried; }

    // Replaces `slot`'s asset with `file`; false, and the problem reported,
    // when the file will not do or the program cannot be written.
    bool replace(const AssetSlot &slot, const QString &file);
    bool restore(const AssetSlot &slot);
    // Reads again what the program carries, after a change made elsewhere.
    void reread();

    // What the section says of the slot now, word for word as the preparer
    // reads it (its name, length or size).
    QString describedLine(const AssetSlot &slot) const;

    // Replaceable in tests.
    std::function<QString(const AssetSlot &)> chooseFile;
    std::function<void(const QString &)> reportProblem;

signals:
    void changed();

private:
    struct Row
    {
        QLabel *what = nullptr;
        QPushButton *restore = nullptr;
    };

    void reload();
    bool change(const QList<AssetBundle::Asset> &assets, const QStringList &dropped);

    QString m_folder;
    CarriedAssets m_carried;
    QList<Row> m_rows; // in the order of AssetSlot::all()
    QLabel *m_problem = nullptr;
};
