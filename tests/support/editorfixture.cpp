// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/editorfixture.h"

#include "editor/editorlanguage.h"
#include "editor/editortext.h"
#include "editor/messagefile.h"
#include "editor/showprogram.h"
#include "runtime/carriedassets.h"
#include "runtime/filetable.h"
#include "stage/defaulttexts.h"
#include "stage/wordsfile.h"

#include <QApplication>
#include <QtTest>

QString defaultLetter()
{
    return textWrittenForMissingFile(DefaultTexts::letter());
}

QString defaultDeclaration()
{
    return textWrittenForMissingFile(DefaultTexts::declaration());
}

QStringList warningsOf(const Analysis &analysis)
{
    QStringList lines;
    for (const Warning &warning : analysis.warnings)
        lines << warning.toString();
    return lines;
}

bool anyWarning(const Analysis &analysis, const QString &prefix, const QString &says)
{
    return std::any_of(analysis.warnings.begin(), analysis.warnings.end(), [&](const Warning &w) {
        return w.toString().startsWith(prefix) && w.message.contains(says);
    });
}

QString readByTheShow(const TestFolder &folder, const QString &fileName)
{
    FileTable files;
    files.openForBinary(programPath(folder.path(), fileName), 1);
    QString text(files.fileLength(1), QLatin1Char(' '));
    files.readText(1, text);
    return text;
}

QByteArray copyOfTheProgram(const TestFolder &folder)
{
    const QString program = folder.file(QStringLiteral("velmora"));
    QFile::remove(program);
    if (!QFile::copy(QCoreApplication::applicationFilePath(), program))
        return {};
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                  | QFileDevice::ExeOwner);
    return folder.read(QStringLiteral("velmora"));
}

bool putProgramCarryingASong(const TestFolder &folder)
{
    if (!QFile::copy(QCoreApplication::applicationFilePath(), folder.file(QStringLiteral("velmora"))))
        return false;
    const QList<AssetBundle::Asset> song {
        { AssetBundle::Keys::music, QStringLiteral("ours.mp3"), 6000, QByteArrayLiteral("x") }
    };
    return ShowProgram(folder.path()).change(song).ok();
}

Words wordsTheShowReads(const TestFolder &folder)
{
    Reason problem;
    const Words words = WordsFile::carriedBy(
            CarriedAssets::of(folder.file(QStringLiteral("velmora"))), &problem);
    return problem.isEmpty() ? words : Words { QStringLiteral("unreadable: ") + problem.text() };
}

void EditorFixture::setUp()
{
    QVERIFY(m_state.isValid());
    qputenv("XDG_STATE_HOME", m_state.path().toLocal8Bit());
    EditorLanguage::install(*qobject_cast<QApplication *>(QCoreApplication::instance()),
                            EditorLanguage::chinese);
    QCOMPARE(EditorText::tr("Velmora Editor"), QStringLiteral("Velmora 编辑器"));
}
