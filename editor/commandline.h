#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The editor's command line: `velmora-editor [--check] [folder]`.
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
    bool helpAsked() const { return m_parser.isSet(m_help); }
    bool versionAsked() const { return m_parser.isSet(m_version); }
    // The folder given; empty when none was.
    QString folder() const;

    // Print and end the process; they need the application.
    [[noreturn]] void showHelp() { m_parser.showHelp(0); }
    [[noreturn]] void showVersion() { m_parser.showVersion(); }

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_check;
    QString m_error;
};
