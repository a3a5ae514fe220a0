// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/commandline.h"

#include "editor/editortext.h"
#include "editor/ownassets.h"
#include "stage/showpace.h"

#include <QCoreApplication>

EditorCommandLine::EditorCommandLine()
    : m_help({ QStringLiteral("h"), QStringLiteral("help") }, EditorText::tr("Show this usage."))
    , m_version({ QStringLiteral("v"), QStringLiteral("version") }, EditorText::tr("Show the version."))
    , m_check(QStringLiteral("check"),
              EditorText::tr("Open no window: check the folder's letter and declaration, report as a "
                             "compiler does, and list the music, film and pictures the program carries."))
    , m_restore(QStringLiteral("restore"),
                EditorText::tr("Bring back the built-in music, film, pictures and words in the program."))
    , m_carryOver(QStringLiteral("carry-over"),
                  EditorText::tr(
                          "Carry the music, film and pictures of this older program over to "
                          "the program given in place of the folder (the launcher's upgrade)."),
                  QStringLiteral("old-program"))
    , m_exportWords(QStringLiteral("export-words"),
                    EditorText::tr(
                            "Write every text the show says, its address and its buttons' "
                            "language, defaults included, to this file."),
                    QStringLiteral("file"))
    , m_words(QStringLiteral("words"),
              EditorText::tr("Set the show's words from this file (as "
                                          "--export-words writes it)."),
              QStringLiteral("file"))
    , m_presentation(QStringLiteral("presentation"),
                     EditorText::tr("Present the show in its window (window, as built) or on the "
                                    "whole screen (screen), from now on."),
                     QStringLiteral("screen|window"))
    , m_pace(QStringLiteral("pace"),
             EditorText::tr("Type the letter and the declaration at these milliseconds a character "
                            "(%1 to %2; the default is %3 %4), or fit the letter to the song: "
                            "--pace LETTER_MS DECLARATION_MS, or --pace fit.")
                     .arg(ShowPace::fewestMs)
                     .arg(ShowPace::mostMs)
                     .arg(Pace::letterTickMs)
                     .arg(Pace::declarationTickMs),
             QStringLiteral("letter-ms|fit"))
    , m_typeface(QStringLiteral("typeface"),
                 EditorText::tr("Draw the letter or the declaration in this font file (carried in the "
                                "program), this installed family, or the stage's own: "
                                "--typeface letter|declaration FILE|FAMILY|default."),
                 QStringLiteral("letter|declaration"))
{
    for (const AssetSlot &slot : AssetSlot::all())
        m_assets.append(QCommandLineOption(
                slot.option, EditorText::tr("Replace the program's %1 with this file.").arg(slot.name()),
                QStringLiteral("file")));
    m_parser.setApplicationDescription(EditorText::tr("Edit the letter and the declaration of a Velmora show."));
    m_parser.addOptions({ m_help, m_version, m_check, m_restore, m_carryOver, m_exportWords, m_words,
                          m_presentation, m_pace, m_typeface });
    m_parser.addOptions(m_assets);
    m_parser.addPositionalArgument(QStringLiteral("folder"),
                                   EditorText::tr("The show's folder; without it, the editor's own folder."),
                                   QStringLiteral("[folder]"));
}

bool EditorCommandLine::parse(const QStringList &arguments)
{
    m_error.clear();
    if (!m_parser.parse(arguments))
        m_error = m_parser.errorText();
    else if (m_parser.isSet(m_typeface) && m_parser.positionalArguments().isEmpty())
        m_error = EditorText::tr("--typeface takes the text, then a font file, a family or \"default\"");
    else if (folders().size() > 1)
        m_error = EditorText::tr("only one folder can be given, but %1 were: %2")
                          .arg(folders().size())
                          .arg(folders().join(QLatin1Char(' ')));
    else if (m_parser.isSet(m_carryOver) && m_parser.positionalArguments().size() != 1)
        m_error = EditorText::tr("--carry-over takes the older program and the new one");
    else if (int(check()) + int(restore()) + int(assetSlot() != nullptr)
                     + int(m_parser.isSet(m_carryOver)) + int(m_parser.isSet(m_exportWords))
                     + int(m_parser.isSet(m_words)) + int(m_parser.isSet(m_presentation))
                     + int(m_parser.isSet(m_pace)) + int(m_parser.isSet(m_typeface))
             > 1
             || std::count_if(m_assets.begin(), m_assets.end(),
                              [this](const QCommandLineOption &o) { return m_parser.isSet(o); })
                     > 1)
        m_error = EditorText::tr("--check, --restore, --export-words, --words, --presentation, --pace, --typeface and the options that replace a file are used one at a time");
    return m_error.isEmpty();
}

// The declaration's milliseconds follow the letter's as the first argument
// that is not an option.
bool EditorCommandLine::paceTakesTwo() const
{
    return m_parser.isSet(m_pace) && m_parser.value(m_pace) != QLatin1String("fit");
}

QStringList EditorCommandLine::pace() const
{
    if (!m_parser.isSet(m_pace))
        return {};
    QStringList values { m_parser.value(m_pace) };
    if (paceTakesTwo())
        values += m_parser.positionalArguments().mid(0, 1);
    return values;
}

// The arguments that are not options but go with one.
qsizetype EditorCommandLine::optionArguments() const
{
    return paceTakesTwo() || m_parser.isSet(m_typeface) ? 1 : 0;
}

QString EditorCommandLine::typefaceChoice() const
{
    return m_parser.isSet(m_typeface) ? m_parser.positionalArguments().value(0) : QString();
}

QStringList EditorCommandLine::folders() const
{
    return m_parser.positionalArguments().mid(optionArguments());
}

QString EditorCommandLine::folder() const
{
    const QStringList given = folders();
    return given.isEmpty() ? QString() : given.first();
}

const AssetSlot *EditorCommandLine::assetSlot() const
{
    for (qsizetype i = 0; i < m_assets.size(); ++i)
        if (m_parser.isSet(m_assets[i]))
            return &AssetSlot::all()[i];
    return nullptr;
}

QString EditorCommandLine::assetFile() const
{
    for (const QCommandLineOption &option : m_assets)
        if (m_parser.isSet(option))
            return m_parser.value(option);
    return {};
}

bool EditorCommandLine::windowless() const
{
    return check() || restore() || assetSlot() || !carryOverFrom().isEmpty()
            || m_parser.isSet(m_exportWords) || m_parser.isSet(m_words)
            || m_parser.isSet(m_presentation) || m_parser.isSet(m_pace)
            || m_parser.isSet(m_typeface) || helpAsked()
            || versionAsked();
}
