// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct RuntimeError;

// What a message box offers: Yes and No without an icon, or OK with the
// information icon.
enum class BoxButtons { YesNo, Ok };
enum class BoxAnswer { Ok, Yes, No };

// The host's modal message boxes.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;

    // Returns only when the user has answered.
    virtual BoxAnswer showMessage(const QString &prompt, BoxButtons buttons,
                                  const QString &title)
            = 0;
    // The host's standard box for a run-time error that ends the program.
    virtual void showRuntimeError(const RuntimeError &error) = 0;
};
