// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/carriedassets.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QPixmap;

// Where the show's media and pictures come from: the copy the program carries
// when it is whole, else the one built in. Why a carried copy is passed over
// goes to standard error, unless the source is quiet (the editor says it in
// its own words).
class AssetSource
{
public:
    // What is built in, alone.
    AssetSource() = default;
    explicit AssetSource(CarriedAssets carried, bool quiet = false);

    const CarriedAssets &carried() const { return m_carried; }

    // The bytes of the program's resource `number` of type `typeName`; a
    // missing one raises a run-time error. Stored uncompressed, the built-in
    // bytes are lent from the program image, not copied.
    QByteArray resourceBytes(int number, const QString &typeName) const;
    // The picture carried under `key`, else the one at `builtIn`.
    QPixmap picture(const QString &key, const QString &builtIn) const;

private:
    std::optional<QByteArray> carriedBytes(const QString &key) const;
    void report(const QString &problem) const;

    CarriedAssets m_carried;
    bool m_quiet = false;
};
