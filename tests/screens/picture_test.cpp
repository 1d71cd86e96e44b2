#include "screens/picture.h"

#include "screens/picture_texts.h"

#include <gtest/gtest.h>

namespace cesuan {
namespace {

TEST(Picture, AnglesInDegreesMinutesSeconds) {
    struct Case {
        double degrees;
        const char16_t* shown;
    };
    const Case cases[] = {
        {54.735610317245346, u"54°44′08.2″"}, {45, u"45°00′00.0″"},       {0, u"0°00′00.0″"},
        {359.99999, u"360°00′00.0″"},         {-0.5, u"-0°30′00.0″"},       {12.345678, u"12°20′44.4″"},
        {-0.00000001, u"0°00′00.0″"},
    };
    for (const Case& c : cases) EXPECT_EQ(DegreesMinutesSeconds(c.degrees), QString::fromUtf16(c.shown)) << c.degrees;
}

// A parcel's outline: the vertices numbered in order at (Y, X), closed and tinted, the text
// at their centre, and a marked point.
TEST(Picture, OutlineOfAParcel) {
    const std::vector<OutlineVertex> square{{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    const QPointF crossing(5, 5);
    const Picture p = OutlinePicture(square, QStringLiteral("100.000 m²"), &crossing, QStringLiteral("自交"));
    EXPECT_EQ(p.kind, PictureKind::Plan);
    ASSERT_EQ(p.lines.size(), 1u);
    EXPECT_TRUE(p.lines[0].closed && p.lines[0].filled);
    EXPECT_EQ(p.lines[0].points[1], QPointF(10, 0));  // Y east on h, X north on v
    ASSERT_EQ(p.marks.size(), 5u);
    EXPECT_EQ(p.marks[0].label, u"1");
    EXPECT_EQ(p.marks[3].label, u"4");
    EXPECT_EQ(p.marks[4].ink, PictureInk::Warning);
    EXPECT_EQ(p.marks[4].label, u"自交");
    ASSERT_EQ(p.texts.size(), 1u);
    EXPECT_EQ(p.texts[0].at, QPointF(5, 5));
    EXPECT_TRUE(OutlinePicture({}, QStringLiteral("0")).isEmpty());
}

}  // namespace
}  // namespace cesuan
