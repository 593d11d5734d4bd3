// File names carried as their exact bytes: decoding, encoding back and the text shown.
#include "platform/filesystem/filename.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(FileName, AnyBytesComeBackExactlyAndValidUtf8DecodesAsItself)
{
    std::mt19937 random(6);
    std::uniform_int_distribution<int> length(1, 12), byte(1, 255);
    for (int round = 0; round < 5000; ++round) {
        QByteArray bytes;
        for (int i = length(random); i > 0; --i)
            bytes.append(static_cast<char>(byte(random)));
        const QString name = platform::decodeFileName(bytes);
        ASSERT_EQ(platform::encodeFileName(name), bytes) << bytes.toHex().toStdString();
        if (QString::fromUtf8(bytes).toUtf8() == bytes) { // valid UTF-8
            ASSERT_EQ(name, QString::fromUtf8(bytes)) << bytes.toHex().toStdString();
        }
    }
}

TEST(FileName, BytesThatAreNotUtf8AreShownAsEscapes)
{
    const struct
    {
        QByteArray bytes;
        QString shown;
    } cases[] = {
        { "\xE9" "cran.scr", "\\xE9cran.scr" },               // Latin-1
        { "\x8F\xA0\xE0.scr", "\\x8F\\xA0\\xE0.scr" },        // CP866
        { "\xC0\xAF", "\\xC0\\xAF" },                         // an overlong "/"
        { "\xED\xA0\x80", "\\xED\\xA0\\x80" },                // an encoded surrogate
        { "\xD0\xAD\xD0\xBA\xD1\x80\xD0\xB0\xD0\xBD", "Экран" }, // valid UTF-8 stays as it is
        { "\\xE9", "\\xE9" },                                 // the same text, but other bytes
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::displayFileName(platform::decodeFileName(c.bytes)), c.shown) << c.bytes.toHex().toStdString();
    EXPECT_NE(platform::decodeFileName("\xE9"), platform::decodeFileName("\\xE9")) << "names that look alike stay apart";
}

} // namespace
