// SPDX-License-Identifier: GPL-3.0-or-later
// The language the editor speaks, chosen from the desktop's languages.
#include "editor/editorlanguage.h"

#include <QtTest>

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
};

QTEST_MAIN(EditorLanguageTest)
#include "tst_editorlanguage.moc"
