// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stage/words.h"

#include <QList>
#include <QMap>
#include <QTimer>
#include <QWidget>

class BoxPreview;
class CarriedAssets;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
struct ShowBox;

// "The show's words": every fixed text the show says, the matchmaking page
// and the language of the boxes' buttons, each with a way back to its
// default, and the show's boxes drawn as the show raises them. What is typed
// here is the preparer's unsaved work until the window saves it into the
// program; a text that cannot be the show's says why and is not saved.
class WordsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit WordsPanel(QWidget *parent = nullptr);

    // The words as the fields hold them, refused texts included.
    Words words() const;
    // What the program carries, as last read or written.
    const Words &savedWords() const { return m_saved; }
    bool hasUnsavedChanges() const { return words() != m_saved; }
    // The fields that differ from what the program carries, by key, as they
    // hold them: what a recovery copy keeps.
    QMap<QString, QString> unsavedValues() const;
    bool holds(const QMap<QString, QString> &unsaved) const { return unsavedValues() == unsaved; }

    // Takes what the program now carries: every field the preparer has not
    // changed since the last save follows it.
    void follow(const CarriedAssets &carried);
    // What a save writes: each field that can be the show's; a refused one
    // keeps what the program carries.
    Words wordsToSave() const;
    // Why each refused field is not saved, one line each.
    QStringList refusals() const;
    // The program now carries `words`.
    void markSaved(const Words &words);

    QString value(const QString &key) const;
    // As typed: one undo step.
    void setValue(const QString &key, const QString &value);
    QPushButton *restoreButton(const QString &key) const;
    // Why the field's text is refused, as shown beside it; empty when it is not.
    QString refusalShown(const QString &key) const;
    // Brings the field into sight with the caret on `line` (from 1; 0: the end).
    void goTo(const QString &key, int line);

    void previewBox(const ShowBox &box);
    const ShowBox &previewedBox() const;
    BoxPreview *boxPreview() const { return m_boxPreview; }

signals:
    void edited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Field
    {
        const WordsField *words = nullptr;
        QLineEdit *line = nullptr;
        QPlainTextEdit *text = nullptr;
        QComboBox *choice = nullptr;
        QPushButton *restore = nullptr;
        QLabel *refusal = nullptr;

        QWidget *editor() const;
    };

    QWidget *createFields();
    QWidget *createBoxPreview();
    void addField(QGridLayout *grid, int &row, const QString &key, const QString &label);
    Field createField(const QString &key, const QString &label);
    void connectField(qsizetype index);
    void addHeading(QGridLayout *grid, int &row, const QString &heading);
    const Field *field(const QString &key) const;
    QString valueOf(const Field &field) const;
    void put(const Field &field, const QString &value);
    void fieldChanged(const Field &field);
    void fitHeight(QPlainTextEdit *edit);
    void fillLanguages(QComboBox *choice, const QString &current);
    // The languages or the presentations, `current` chosen.
    void fillChoice(const Field &field, const QString &current);
    void redrawBox();
    void fitBoxPreview();

    QList<Field> m_fields;
    Words m_saved;
    QLabel *m_problem = nullptr;
    QScrollArea *m_scroll = nullptr;
    QComboBox *m_boxChoice = nullptr;
    QScrollArea *m_boxScroll = nullptr;
    BoxPreview *m_boxPreview = nullptr;
    QTimer m_redrawTimer;
    bool m_following = false;
};
