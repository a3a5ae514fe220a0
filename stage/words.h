// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/reason.h"

#include <QList>
#include <QString>

#include <optional>

class CarriedAssets;

// The ways the show can be presented: in its window of 789 × 486 pixels, or
// scaled to fill the whole screen it opens on.
namespace Presentation {
inline constexpr QLatin1String window("window");
inline constexpr QLatin1String screen("screen");
inline bool known(const QString &name) { return name == window || name == screen; }
} // namespace Presentation

// Every fixed text the show says, the address it opens and the language of
// its boxes' buttons: the preparer's to choose, each with the show's own as
// its default. Line breaks are the show's CR LF.
struct Words
{
    QString caption = QStringLiteral("Velmora") + QStringLiteral("  BY Tarsune");
    // Beside the girl when the walk ends.
    QString question = QStringLiteral("你愿意\r\n\r\n向我\r\n\r\n走最后\r\n\r\n一步吗?");
    QString questionPrompt = QStringLiteral("愿意走这一步吗?");
    QString questionTitle = QStringLiteral("询问");
    QString matchmakerPrompt = twoLines(QStringLiteral("我们开始约会吧!"),
                                        QStringLiteral("需要去感谢我们的红娘吗??"));
    QString matchmakerTitle = QStringLiteral("兴奋");
    // The window's caption while the film plays.
    QString filmCaption = QStringLiteral("我一定要追到你!!!");
    QString pleaPrompt = QStringLiteral("能给我一次机会吗?");
    QString pleaTitle = QStringLiteral("询问");
    // Unlike the first matchmaker box, this one asks without "吗".
    QString pleaMatchmakerPrompt = twoLines(QStringLiteral("我们开始约会吧!"),
                                            QStringLiteral("需要去感谢我们的红娘??"));
    QString pleaMatchmakerTitle = QStringLiteral("兴奋");
    QString vowPrompt = twoLines(QStringLiteral("我一定要追到你"),
                                 QStringLiteral("百分之一千万要追到你"));
    QString vowTitle = QStringLiteral("奋斗");
    // The matchmaking page; chosen when the show is built unless set here.
    QString address = defaultAddress();
    // The locale name of Qt's translation the Yes/No buttons speak.
    QString buttons = QStringLiteral("zh_CN");
    // How the show is presented: Presentation::window or Presentation::screen.
    QString presentation = QString(Presentation::window);

    bool operator==(const Words &) const = default;

    // A box's prompt of two lines with an empty line between them.
    static QString twoLines(const QString &first, const QString &last)
    {
        return first + QStringLiteral("\r\n") + QString() + QStringLiteral("\r\n") + last;
    }
    static QString defaultAddress();
};

// One of the words as the preparer names it, with what it may hold.
struct WordsField
{
    enum class Kind { Text, Address, Language, Presentation };

    QString key;
    QString Words::*member;
    qsizetype maxLength;
    Kind kind = Kind::Text;
    // A caption or a title: one line, as a title bar shows it.
    bool oneLine = false;

    static const QList<WordsField> &all();
    static const WordsField *byKey(const QString &key);
    // Why `value` cannot be this field's; empty when it can.
    Reason refusal(const QString &value) const;
    // The line break or control character that keeps `value` from being one
    // line; none when it is one, or the field takes several.
    std::optional<char32_t> breaksOneLine(const QString &value) const;
};

namespace WordsRules {
// Why the show will not open `address`: only a plain http or https address
// is opened. Empty when it will.
Reason addressRefusal(const QString &address);
// The first line break or control character in `text`, if any.
std::optional<char32_t> controlCharacterIn(const QString &text);
} // namespace WordsRules
