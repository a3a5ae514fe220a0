// SPDX-License-Identifier: GPL-3.0-or-later
#include "show/deletemediafile.h"

#include "runtime/hostfiles.h"

#include <QFileInfo>

void DeleteMediaFile(const QString &path)
{
    // A folder of that name is not ours to remove.
    if (QFileInfo(path).isFile())
        deleteFile(path);
}
