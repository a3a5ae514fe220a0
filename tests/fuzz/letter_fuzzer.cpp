// libFuzzer target: the show's letter reader takes any bytes, and what the
// editor saves comes back through that reader exactly, lone surrogates
// (which no file holds and the stage never draws) left out and counted.
#include "editor/messagefile.h"
#include "runtime/codepage.h"
#include "runtime/lonesurrogates.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {
void require(bool holds)
{
    if (!holds)
        std::abort();
}

void savedTextReadsBack(const QString &text)
{
    const EncodedMessage saved = encodeMessageText(text);
    const QString kept = LoneSurrogates::removed(text);
    require(saved.leftOut == text.size() - kept.size());
    require(CodePage::fromFileBytes(saved.bytes) == kept);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString read = CodePage::fromFileBytes(bytes);
    require(!LoneSurrogates::anyIn(read));
    savedTextReadsBack(read);
    // The same bytes as 16-bit units: any text the editor may hold.
    savedTextReadsBack(
            QString(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2));
    return 0;
}
