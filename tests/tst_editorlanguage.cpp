// SPDX-License-Identifier: GPL-3.0-or-later
// The language the editor speaks, chosen from the desktop's languages, and
// the reasons the libraries below it give, worded in that language alone.
#include "desktop/privatefolder.h"
#include "editor/editorlanguage.h"
#include "editor/ownassets.h"
#include "players/mediaprobe.h"
#include "players/processsettings.h"
#include "runtime/carriedassets.h"
#include "stage/buttonwords.h"
#include "stage/wordsfile.h"
#include "support/editorfixture.h"

#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

#include <functional>

namespace {
bool holdsHan(const QString &text)
{
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    return han.match(text).hasMatch();
}

// A problem of each kind, as the editor words it.
struct ReasonRow
{
    const char *kind;
    std::function<QString(const TestFolder &)> worded;
};

Reason of(const CarriedAssets &carried) { return carried.problem(); }

// The test program, carrying a song, with one byte of what follows it changed.
QString damagedProgram(const TestFolder &folder, qsizetype fromEnd)
{
    putProgramCarryingASong(folder);
    QByteArray bytes = folder.read(QStringLiteral("velmora"));
    bytes[bytes.size() - fromEnd] = char(bytes[bytes.size() - fromEnd] ^ 1);
    folder.write(QStringLiteral("velmora"), bytes);
    return folder.file(QStringLiteral("velmora"));
}

const QList<ReasonRow> &reasonRows()
{
    static const QList<ReasonRow> rows {
        { "a song the machine cannot play", [](const TestFolder &folder) {
              folder.write(QStringLiteral("song.mp3"), QByteArray(4096, 'x'));
              return prepareOwnAsset(*AssetSlot::byOption(QStringLiteral("music")),
                                     folder.file(QStringLiteral("song.mp3"))).why();
          } },
        { "a file that cannot be read", [](const TestFolder &folder) {
              return MediaProbe::probe(folder.file(QStringLiteral("gone.mp3")), MediaProbe::Kind::Audio)
                      .problem.text();
          } },
        { "a damaged program", [](const TestFolder &folder) {
              return of(CarriedAssets::of(damagedProgram(folder, 20))).text(); // its end
          } },
        { "a damaged song in the program", [](const TestFolder &folder) {
              Reason why;
              CarriedAssets::of(damagedProgram(folder, 17)).bytes(AssetBundle::Keys::music, &why);
              return why.text();
          } },
        { "not a program", [](const TestFolder &folder) {
              folder.write(QStringLiteral("velmora"), "#!/bin/sh\n");
              return of(CarriedAssets::of(folder.file(QStringLiteral("velmora")))).text();
          } },
        { "too much to carry", [](const TestFolder &) {
              Reason why;
              AssetBundle::encode(QList<AssetBundle::Asset>(20, { AssetBundle::Keys::film, {}, -1, "x" }), &why);
              return why.text();
          } },
        { "a words file with an unknown key", [](const TestFolder &) {
              return WordsFile::parse(QStringLiteral("colour = red\n")).problems.value(0).message.text();
          } },
        { "an address that is no web page", [](const TestFolder &) {
              return WordsRules::addressRefusal(QStringLiteral("ftp://example.org/")).text();
          } },
        { "a caption of two lines", [](const TestFolder &) {
              return WordsField::byKey(QStringLiteral("caption"))->refusal(QStringLiteral("a\r\nb")).text();
          } },
        { "buttons in a language this machine lacks", [](const TestFolder &) {
              Reason why;
              ButtonWords::forLanguage(QStringLiteral("xx"), &why);
              return why.text();
          } },
        { "a lock folder taken by someone", [](const TestFolder &folder) {
              folder.write(QStringLiteral("velmora-0"), "x");
              return PrivateFolder::within(folder.path(), 0).problem.text();
          } },
    };
    return rows;
}
} // namespace

class EditorLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void theEditorSpeaksChineseForAnyChineseLocale_data()
    {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("spoken");
        const QString zh = EditorLanguage::chinese, en = EditorLanguage::english;
        QTest::newRow("mainland") << QStringList { "zh-CN", "zh" } << zh;
        QTest::newRow("taiwan") << QStringList { "zh-Hant-TW" } << zh;
        QTest::newRow("hong kong, underscored") << QStringList { "zh_HK" } << zh;
        QTest::newRow("english") << QStringList { "en-GB", "en" } << en;
        QTest::newRow("german, then chinese") << QStringList { "de-DE", "zh-CN" } << zh;
        QTest::newRow("english before chinese") << QStringList { "en-US", "zh-CN" } << en;
        QTest::newRow("french alone") << QStringList { "fr-FR" } << en;
        QTest::newRow("the C locale") << QStringList { "C" } << en;
        QTest::newRow("nothing") << QStringList {} << en;
    }
    void theEditorSpeaksChineseForAnyChineseLocale()
    {
        QFETCH(QStringList, desktop);
        QFETCH(QString, spoken);
        QCOMPARE(EditorLanguage::choose(desktop), spoken);
    }

    void initTestCase()
    {
        ProcessSettings::setBeforeApplication(ProcessSettings::Platform::Desktop);
    }

    // The English editor says nothing in Chinese, and the Chinese one says
    // each reason in Chinese.
    void reasonsSpeakTheEditorsLanguage_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < reasonRows().size(); ++row)
            QTest::newRow(reasonRows()[row].kind) << row;
    }
    void reasonsSpeakTheEditorsLanguage()
    {
        QFETCH(int, row);
        const TestFolder englishFolder, chineseFolder;
        const QString english = reasonRows()[row].worded(englishFolder);
        QVERIFY2(!english.isEmpty() && !holdsHan(english), qPrintable(english));

        QTranslator chinese;
        QVERIFY(chinese.load(QStringLiteral(":/i18n/velmora-editor_zh_CN.qm")));
        QCoreApplication::installTranslator(&chinese);
        const QString translated = reasonRows()[row].worded(chineseFolder);
        QCoreApplication::removeTranslator(&chinese);
        QVERIFY2(holdsHan(translated), qPrintable(translated));
        // Nothing of the English sentence is left but what it names.
        QVERIFY2(!translated.contains(english.section(QLatin1Char(' '), 0, 1)), qPrintable(translated));
    }
};

QTEST_MAIN(EditorLanguageTest)
#include "tst_editorlanguage.moc"
