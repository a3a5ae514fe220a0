#pragma once

#include "editor/outcome.h"
#include "runtime/assetbundle.h"

#include <QList>
#include <QSize>
#include <QString>

// The show's assets the preparer can replace with their own, in the order
// the editor lists them.
struct AssetSlot
{
    enum class Kind { Music, Film, Picture };

    QString key; // the first of its keys in the bundle; a picture has a doubled one too
    const char *untranslatedName; // as the editor names it, before translation
    QString option; // its command-line option, without the dashes
    Kind kind;

    // As the editor names it, in the preparer's language.
    QString name() const;
    bool isPicture() const { return kind == Kind::Picture; }
    // The bundle's keys for this asset.
    QStringList keys() const;
    // A picture's box in pixels, at 1x.
    QSize boxSize() const;

    static const QList<AssetSlot> &all();
    // The slot its command-line word names ("boy" for --boy): how scripts and
    // tests name an asset.
    static const AssetSlot *byOption(const QString &option);
};

// A chosen file made into what the program carries: music and a film as they
// are, once the show's own player has played them here and told their length;
// a picture scaled and cropped, centred, to its box at 1x and at 2x. Why
// not, in a line, when the file will not do.
Produced<QList<AssetBundle::Asset>> prepareOwnAsset(const AssetSlot &slot, const QString &file);

// A picture filling `box` exactly, in full colour: scaled to cover it, the middle kept.
class QImage;
QImage fillBox(const QImage &picture, const QSize &box);

// What the program carries for `slot`, in a line: "built in" for the built-in
// asset, else the file it came from with its length or size.
class CarriedAssets;
QString describeCarried(const AssetSlot &slot, const CarriedAssets &carried);
// How long the music the program carries lasts, in seconds.
double carriedMusicSeconds(const CarriedAssets &carried);
