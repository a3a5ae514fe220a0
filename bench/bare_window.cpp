// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a bare Qt Widgets window of the show's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(789, 486);
    window.show();
    return app.exec();
}
