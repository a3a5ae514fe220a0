#pragma once

#include <QString>

struct RuntimeError;

namespace MessageBox {
enum Buttons : int { YesNo = 4, OkInformation = 64 };
// The host's numbers for the answers; a box of the show is Yes only for Yes.
enum Result : int { Ok = 1, Yes = 6, No = 7 };

// Two lines of text with an empty line between them.
inline QString twoLinePrompt(const QString &first, const QString &last)
{
    return first + QStringLiteral("\r\n") + QString() + QStringLiteral("\r\n") + last;
}
} // namespace MessageBox

// The host's modal message boxes.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;

    // Returns only when the user has answered.
    virtual MessageBox::Result ShowMessage(const QString &prompt, MessageBox::Buttons buttons,
                                           const QString &title)
            = 0;
    // The host's standard box for a run-time error that ends the program.
    virtual void showRuntimeError(const RuntimeError &error) = 0;
};
