// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the show's start-up: what any program must do before its
// first paint of this stage. A window of the show's size, the background
// picture, and one label in the Chinese face.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare stage"));
    window.setFixedSize(789, 486);

    auto *background = new QLabel(&window);
    background->setPixmap(QPixmap(QStringLiteral(":/background.jpg")));
    background->setGeometry(0, 0, 800, 500);

    QFont chinese;
    chinese.setFamilies({ QStringLiteral("Noto Sans CJK SC") });
    chinese.setPixelSize(12);
    auto *label = new QLabel(QStringLiteral("亲爱的，见字如面。"), background);
    label->setFont(chinese);
    label->move(8, 8);

    window.show();
    return app.exec();
}
