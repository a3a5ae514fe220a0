// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace CodePage {

// Which of its two readings the author of a file without a byte-order mark
// meant, when its bytes are valid UTF-8 beyond ASCII: a short GBK text such
// as 谢谢 (D0 BB D0 BB) is valid UTF-8 as well, and reads there as "лл".
// GBK wins when the UTF-8 reading holds characters Chinese text never holds
// (Cyrillic, Greek, Latin-1 letters or signs that stand apart from any Latin
// word) while the GBK reading is common Chinese (GB2312) throughout.
bool meantAsGbk(QByteArrayView validUtf8);

} // namespace CodePage
