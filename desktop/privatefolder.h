#pragma once

#include "runtime/reason.h"

#include <QString>

// A folder that only this user can enter, for names that nobody else may
// take first: the user's runtime folder where there is one, else a folder of
// the user's own in the shared temporary folder, made with mode 0700. One
// found there that is not a real folder of this user's, closed to everyone
// else, is not used, and `problem` says why.
struct PrivateFolder
{
    QString path; // empty when there is none to use
    Reason problem;

    static PrivateFolder forThisUser();
    // Within `temporary`, for the user `uid`: what forThisUser() does without
    // a runtime folder.
    static PrivateFolder within(const QString &temporary, uint uid);
};
