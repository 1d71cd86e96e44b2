// One line-end conversion for every multi-line text: which ends count, what they become.

#include "engine/line_ends.h"

#include "tests/support/journal_fixture.h"

#include <random>

namespace cesuan {
namespace {

TEST(LineEnds, EveryVariantOnTheSameTexts) {
    const LineEnds toCrLf{}, toLf{LineEnds::Read::Any, u"\n"};
    const LineEnds closed{LineEnds::Read::Any, u"\r\n", true};
    const LineEnds crLfOnly{LineEnds::Read::CrLf, u"\n"};
    struct Case { const char16_t* in; const char16_t* crLf; const char16_t* lf; const char16_t* closed; const char16_t* crLfOnly; };
    const Case cases[] = {
        {u"", u"", u"", u"\r\n", u""},  // the empty text is one line without an end
        {u"a", u"a", u"a", u"a\r\n", u"a"},
        {u"a\r\nb", u"a\r\nb", u"a\nb", u"a\r\nb\r\n", u"a\nb"},
        {u"a\rb\nc", u"a\r\nb\r\nc", u"a\nb\nc", u"a\r\nb\r\nc\r\n", u"a\rb\nc"},  // lone ends
        {u"a\n\rb", u"a\r\n\r\nb", u"a\n\nb", u"a\r\n\r\nb\r\n", u"a\n\rb"},     // LF CR is two ends
        {u"a\r\n", u"a\r\n", u"a\n", u"a\r\n", u"a\n"},                           // already closed
        {u"\r\r\n\n", u"\r\n\r\n\r\n", u"\n\n\n", u"\r\n\r\n\r\n", u"\r\n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.in).toStdString());
        EXPECT_EQ(ConvertLineEnds(q(c.in), toCrLf), q(c.crLf));
        EXPECT_EQ(WithCrLfLineEnds(q(c.in)), q(c.crLf));
        EXPECT_EQ(ConvertLineEnds(q(c.in), toLf), q(c.lf));
        EXPECT_EQ(WithLfLineEnds(q(c.in)), q(c.lf));
        EXPECT_EQ(ConvertLineEnds(q(c.in), closed), q(c.closed));
        EXPECT_EQ(ConvertLineEnds(q(c.in), crLfOnly), q(c.crLfOnly));
    }
}

}  // namespace
}  // namespace cesuan

namespace cesuan {
namespace {

// Decoded and encoded in pieces on several threads, a text is what one pass makes of it: byte
// order marks (only the first is dropped), broken UTF-8 sequences, surrogates, every line end.
TEST(LineEnds, PiecesOnThreadsGiveTheOnePassText) {
    const char* bytePool[] = {"a", "1", "\r", "\n", "\r\n", "\xEF\xBB\xBF", "\xE4\xB8\xAD", "\xE4\xB8", "\xF0\x9F\x98\x80",
                              "\xFF", "\xC3", " ", "\xE3\x80\x80"};
    const char16_t* textPool[] = {u"a", u"\r", u"\n", u"\r\n", u"中", u"\U0001F600", u"\xD800", u"\xDC00", u"\uFEFF"};
    const LineEnds variants[] = {{}, {LineEnds::Read::Any, u"\n"}, {LineEnds::Read::Any, u"\r\n", true},
                                 {LineEnds::Read::CrLf, u"\n"}};
    std::mt19937 random(1211);
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes;
        QString text;
        const int length = int(random() % 300);
        for (int i = 0; i < length; ++i) {
            bytes += bytePool[random() % std::size(bytePool)];
            text += QString::fromUtf16(textPool[random() % std::size(textPool)]);
        }
        for (const LineEnds& how : variants) {
            const QString decoded = ConvertLineEnds(QString::fromUtf8(bytes), how);
            const QByteArray encoded = ConvertLineEnds(text, how).toUtf8();
            for (const std::size_t threads : {1u, 2u, 3u, 7u}) {
                SCOPED_TRACE(testing::Message() << "round " << round << ", " << threads << " threads");
                ASSERT_EQ(DecodeUtf8Lines(bytes, how, threads, 1), decoded);
                ASSERT_EQ(EncodeUtf8Lines(text, how, threads, 1), encoded);
            }
        }
    }
}

}  // namespace
}  // namespace cesuan
