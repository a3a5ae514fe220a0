// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/stage.h"

#include "controls/label.h"
#include "controls/picturebox.h"
#include "controls/twips.h"
#include "runtime/assetsource.h"
#include "runtime/chineseinterface.h"
#include "stage/typeface.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {
QFont scaledFont(QFont font, double scale)
{
    font.setPixelSize(int(std::lround(font.pixelSize() * scale)));
    return font;
}

int scaledPitch(int pitch, double scale)
{
    return int(std::lround(pitch * scale));
}

QFont chineseFont(const QStringList &families, int pixelSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The stage's pictures by their built-in names (":/walking-figure.jpg",
// ":/walking-figure@2x.jpg"...), from the program's own assets where it has them.
PictureLoader stagePictures(const AssetSource &assets)
{
    namespace Keys = AssetBundle::Keys;
    static const QHash<QString, QString> keys {
        { QStringLiteral(":/background.jpg"), Keys::background },
        { QStringLiteral(":/background@2x.jpg"), Keys::doubled(Keys::background) },
        { QStringLiteral(":/walking-figure.jpg"), Keys::boy },
        { QStringLiteral(":/walking-figure@2x.jpg"), Keys::doubled(Keys::boy) },
        { QStringLiteral(":/waiting-figure.jpg"), Keys::girl },
        { QStringLiteral(":/waiting-figure@2x.jpg"), Keys::doubled(Keys::girl) },
    };
    // Drawn four times as large only for the show on a whole screen: the
    // preparer's own where it is carried so, else the built-in one unless the
    // preparer's replaces it.
    static const QHash<QString, QString> fourfoldNames {
        { QStringLiteral(":/background@4x.jpg"), Keys::background },
        { QStringLiteral(":/walking-figure@4x.jpg"), Keys::boy },
        { QStringLiteral(":/waiting-figure@4x.jpg"), Keys::girl },
    };
    // A copy: the larger pictures are loaded when first drawn.
    return [assets](const QString &name) {
        if (const auto slot = fourfoldNames.constFind(name); slot != fourfoldNames.constEnd()) {
            if (assets.carried().find(Keys::fourfold(*slot)))
                return assets.picture(Keys::fourfold(*slot), QString());
            return assets.carried().find(*slot) ? QPixmap() : QPixmap(name);
        }
        return assets.picture(keys.value(name), name);
    };
}
} // namespace

// 10.5 points and 9 points at 96 dots per inch; the host's Chinese faces draw
// a line exactly one em high.
QFont Stage::letterFont()
{
    return chineseFont({ "仿宋_GB2312", "FangSong", "AR PL UKai CN" }, 14);
}

QFont Stage::declarationFont()
{
    return chineseFont({ "微软雅黑", "Microsoft YaHei", "Noto Sans CJK SC" }, 14);
}

QFont Stage::windowFont()
{
    return chineseFont(chineseInterfaceFamilies(), 12);
}

// A right-to-left line ends as far from the window's right edge as a line
// of the letter starts from its left edge; the stage's content lies 90 twips
// left of the window's client area.
float Stage::rightToLeftEdge(float left)
{
    constexpr float contentInClient = -90;
    constexpr float clientWidth = float(clientArea.width()) * twipsPerPixel;
    return clientWidth - (left + contentInClient) - contentInClient;
}

Stage Stage::build(QWidget *parent, const AssetSource &assets)
{
    const PictureLoader pictures = stagePictures(assets);
    Stage stage;
    stage.Picture1 = new PictureBox(parent, -120, -120, 12015, 7575,
                                    QStringLiteral(":/background.jpg"), 2, pictures);
    QWidget *content = stage.Picture1->content();

    stage.Label1 = new Label(content, 120, 120);
    // The preparer's typefaces, where the program carries them; a carried one
    // that cannot be used leaves the stage's own.
    Typeface::Refusal unusable = Typeface::Refusal::None;
    stage.Label1->setTextFont(
            Typeface::carriedFont(assets.carried(), Typeface::Text::Letter, letterFont(), &unusable),
            textLinePitch);
    stage.Label1->setTextColor(QColor(64, 64, 64));
    stage.Label1->setRightToLeftEdge(rightToLeftEdge(120));

    stage.Label2 = new Label(content, 120, 5520);
    stage.Label2->setTextFont(Typeface::carriedFont(assets.carried(), Typeface::Text::Declaration,
                                                    declarationFont(), &unusable),
                              textLinePitch);
    stage.Label2->setTextColor(QColor(255, 0, 0));
    stage.Label2->setRightToLeftEdge(rightToLeftEdge(120));

    stage.Label4 = new Label(content, 9960, 6000);
    stage.Label4->setTextFont(windowFont(), questionLinePitch);
    stage.Label4->setTextColor(QColor(255, 0, 0));
    stage.Label4->setCentred(true);

    stage.Picture2 = new PictureBox(content, 120, 5800, 1455, 1575,
                                    QStringLiteral(":/walking-figure.jpg"), 0, pictures);
    stage.Picture2->hide();
    stage.Picture3 = new PictureBox(content, 10450, 5800, 1455, 1575,
                                    QStringLiteral(":/waiting-figure.jpg"), 0, pictures);
    stage.Picture3->hide();
    return stage;
}

Stage::Fit Stage::fitIn(QSize area)
{
    if (area.isEmpty())
        return { QRect(QPoint(0, 0), clientArea), 1.0 };
    const double scale = std::min(double(area.width()) / clientArea.width(),
                                  double(area.height()) / clientArea.height());
    const QSize size(int(std::lround(clientArea.width() * scale)),
                     int(std::lround(clientArea.height() * scale)));
    const QPoint corner((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    return { QRect(corner, size), scale };
}

void Stage::setScale(double scale) const
{
    Picture1->setScale(scale);
    const auto label = [scale](Label *label, const QFont &font, int pitch) {
        label->setScale(scale);
        label->setTextFont(scaledFont(font, scale), scaledPitch(pitch, scale));
    };
    label(Label1, letterFont(), textLinePitch);
    label(Label2, declarationFont(), textLinePitch);
    label(Label4, windowFont(), questionLinePitch);
    Picture2->setScale(scale);
    Picture3->setScale(scale);
}
