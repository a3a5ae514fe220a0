#pragma once

#include <QString>
#include <QWindow>

#include <memory>

class MediaBackend;
struct RuntimeError;

namespace MessageBox {
enum Buttons : int { YesNo = 4, OkInformation = 64 };
enum Result : int { Ok = 1, Yes = 6, No = 7 };

// Two lines of text with an empty line between them.
inline QString twoLinePrompt(const QString &first, const QString &last)
{
    return first + QStringLiteral("\r\n") + QString() + QStringLiteral("\r\n") + last;
}
} // namespace MessageBox

// Which of the window's two players a media backend serves.
enum class MediaRole { Video, Music };

// The parts of the host the show talks to and tests replace: message boxes,
// the shell, the program's end and the media decoder.
class Host
{
public:
    virtual ~Host() = default;

    // Modal; returns only when the user has answered.
    virtual int ShowMessage(const QString &prompt, int buttons, const QString &title) = 0;
    virtual int OpenWithShell(WId owner, const QString &verb, const QString &file,
                              const QString &parameters, const QString &directory, int showCommand)
            = 0;
    virtual void showRuntimeError(const RuntimeError &error) = 0;
    // The window is gone and the process is to end with this code.
    virtual void endProgram(int exitCode) = 0;
    virtual std::unique_ptr<MediaBackend> createMediaBackend(MediaRole role) = 0;
};
