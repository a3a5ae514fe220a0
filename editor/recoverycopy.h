// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>

#include <optional>

// The texts of a window with unsaved changes, kept aside every few seconds so
// that a crash, a kill or a power cut loses little. The copy lies in the
// user's state folder, named after the show's folder, never in that folder.
class RecoveryCopy
{
public:
    struct Texts
    {
        QString letter;
        QString declaration;
        // The show's words changed and not saved, by key, as their fields hold them.
        QMap<QString, QString> words;
        QDateTime written;
    };

    RecoveryCopy(const QString &showFolder, const QString &recoveryFolder);
    // $XDG_STATE_HOME/velmora-editor when the variable is set, else the
    // application's own data folder.
    static QString defaultFolder();

    QString path() const { return m_path; }
    bool exists() const;
    // Written whole or not at all.
    bool write(const QString &letter, const QString &declaration,
               const QMap<QString, QString> &words = {}) const;
    // Nothing when there is no copy, or it is not one (damaged, of another
    // folder). An earlier editor's copy holds no words.
    std::optional<Texts> read() const;
    void remove() const;

private:
    QString m_showFolder;
    QString m_path;
};
