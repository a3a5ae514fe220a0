// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

struct AssetSlot;

// The editor's command line: `velmora-editor [--check | --restore |
// --export-words FILE | --words FILE | --presentation screen|window |
// --pace LETTER_MS DECLARATION_MS | --pace fit |
// --typeface letter|declaration FILE|FAMILY|default |
// --music FILE | --film FILE | --boy FILE | --girl FILE | --background FILE] [folder]`,
// and for the launcher's upgrade `velmora-editor --carry-over OLD NEW`.
class EditorCommandLine
{
public:
    EditorCommandLine();

    // False when the arguments are refused; error() says why. Works before
    // the application exists, so that the platform can be chosen from it:
    // the editor takes none of Qt's own options.
    bool parse(const QStringList &arguments);
    QString error() const { return m_error; }

    bool check() const { return m_parser.isSet(m_check); }
    bool restore() const { return m_parser.isSet(m_restore); }
    // The older program whose assets go over to the one given as the folder.
    QString carryOverFrom() const { return m_parser.value(m_carryOver); }
    // The words file to write the show's words to, or to set them from.
    QString exportWordsFile() const { return m_parser.value(m_exportWords); }
    QString wordsFile() const { return m_parser.value(m_words); }
    // How the show is to be presented from now on.
    QString presentation() const { return m_parser.value(m_presentation); }
    // Whether these were asked for, with an empty value too.
    bool exportWordsAsked() const { return m_parser.isSet(m_exportWords); }
    bool wordsAsked() const { return m_parser.isSet(m_words); }
    bool presentationAsked() const { return m_parser.isSet(m_presentation); }
    // What --pace was given: "fit", or the letter's and the declaration's
    // milliseconds; empty when it was not.
    QStringList pace() const;
    // Which text --typeface is for, and what it was given: a font file, an
    // installed family or "default"; empty when it was not.
    QString typefaceText() const { return m_parser.value(m_typeface); }
    QString typefaceChoice() const;
    // The asset to replace, with the file to replace it with; null when none.
    const AssetSlot *assetSlot() const;
    QString assetFile() const;
    // Whatever is asked runs without a window.
    bool windowless() const;
    bool helpAsked() const { return m_parser.isSet(m_help); }
    bool versionAsked() const { return m_parser.isSet(m_version); }
    // The folder given; empty when none was.
    QString folder() const;

    // Print and end the process; they need the application.
    [[noreturn]] void showHelp() { m_parser.showHelp(0); }
    [[noreturn]] void showVersion() { m_parser.showVersion(); }

private:
    bool paceTakesTwo() const;
    qsizetype optionArguments() const;
    QStringList folders() const;

    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_check;
    QCommandLineOption m_restore;
    QCommandLineOption m_carryOver;
    QCommandLineOption m_exportWords;
    QCommandLineOption m_words;
    QCommandLineOption m_presentation;
    QCommandLineOption m_pace;
    QCommandLineOption m_typeface;
    QList<QCommandLineOption> m_assets; // in the order of AssetSlot::all()
    QString m_error;
};
