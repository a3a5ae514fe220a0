// SPDX-License-Identifier: GPL-3.0-or-later
// The browser is started with the user's environment, not the one the show
// made for its own media and graphics.
#include "desktop/desktopaddressopener.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class BrowserTest : public QObject
{
    Q_OBJECT

private slots:
    void theBrowserGetsTheUsersEnvironmentAndTheAddressAsItIs()
    {
        QTemporaryDir bin;
        const QString seen = bin.filePath(QStringLiteral("seen"));
        QFile opener(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write(QStringLiteral("#!/bin/sh\n{ printf '%s\\n' \"$1\"; env; } >'%1.part'\nmv '%1.part' '%1'\n")
                             .arg(seen)
                             .toUtf8());
        opener.close();
        opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);

        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
        qputenv("VK_LOADER_DRIVERS_DISABLE", "*"); // as the show sets it for itself
        QProcessEnvironment user;
        user.insert(QStringLiteral("PATH"), QString::fromLocal8Bit(path));
        user.insert(QStringLiteral("VELMORA_USERS_OWN"), QStringLiteral("kept"));

        const QString address = QStringLiteral("https://example.org/thanks?from=velmora&a=1 2");
        QVERIFY(DesktopAddressOpener(user).openAddress(address));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(seen), 10000);
        QFile file(seen);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), address);
        QVERIFY(lines.contains(QStringLiteral("VELMORA_USERS_OWN=kept")));
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("VK_LOADER_DRIVERS_DISABLE")));
        qputenv("PATH", path);
    }
};

QTEST_MAIN(BrowserTest)
#include "tst_browser.moc"
