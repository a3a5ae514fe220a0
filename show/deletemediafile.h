// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Deletes a media file at one of the show's ends. One that is already gone
// (or was never written, a folder standing in its place) needs no deleting;
// a file that cannot be deleted is a run-time error.
void DeleteMediaFile(const QString &path);
