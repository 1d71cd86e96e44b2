// One line-end conversion for every multi-line text: which ends count, what they become.

#include "engine/line_ends.h"

#include "tests/support/journal_fixture.h"

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
