// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/qt/FontMap.h"

#include <QApplication>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace celmora::platform {
namespace {

struct FamilyCase {
    const char* name;
    std::string family;
    QString installed;
    bool emBox;
};

class FontFamilyMap : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(FontFamilyMap, MapsToInstalledFamilyWithCjkFallback)
{
    const FamilyCase& c = GetParam();
    EXPECT_EQ(installedFamily(c.family), c.installed);
    EXPECT_EQ(usesEmBox(c.family), c.emBox);
    Font font;
    font.family = c.family;
    const QFont q = toQFont(font, 96);
    ASSERT_FALSE(q.families().isEmpty());
    EXPECT_EQ(q.families().first(), c.installed);
    // Kanji missing from a Latin font still come from a Japanese face.
    EXPECT_EQ(q.families().last(), QString::fromUtf8(sansFamily));
}

INSTANTIATE_TEST_SUITE_P(
    Names, FontFamilyMap,
    ::testing::Values(FamilyCase{"Gothic", "ＭＳ ゴシック", "Noto Sans CJK JP", true},
                      FamilyCase{"PGothic", "ＭＳ Ｐゴシック", "Noto Sans CJK JP", true},
                      FamilyCase{"Mincho", "ＭＳ 明朝", "Noto Serif CJK JP", true},
                      FamilyCase{"PMincho", "ＭＳ Ｐ明朝", "Noto Serif CJK JP", true},
                      FamilyCase{"Unknown", "DejaVu Sans", "DejaVu Sans", false},
                      FamilyCase{"Empty", "", "Noto Sans CJK JP", true}),
    [](const auto& info) { return std::string(info.param.name); });

// The mapped families must exist on this machine (fonts-noto-cjk); a missing one
// would fall back silently and every kanji could become a box.
TEST(FontMap, MappedFamiliesAreInstalled)
{
    for (const char* family : {"ＭＳ Ｐゴシック", "ＭＳ 明朝"}) {
        Font font;
        font.family = family;
        EXPECT_EQ(QFontInfo(toQFont(font, 96)).family(), installedFamily(family)) << family;
    }
}

struct SizeCase {
    const char* name;
    int size;
    bool pixelSize;
    int dpiY;
    int expectedPixels;
};

class FontSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FontSize, PointsScaleWithResolutionPixelsDoNot)
{
    const SizeCase& c = GetParam();
    Font font;
    font.size = c.size;
    font.pixelSize = c.pixelSize;
    EXPECT_EQ(toQFont(font, c.dpiY).pixelSize(), c.expectedPixels);
}

// Expected: size × dpi / 72, rounded (10 × 600 / 72 = 83.3; 9 × 96 / 72 = 12).
INSTANTIATE_TEST_SUITE_P(Sizes, FontSize,
                         ::testing::Values(SizeCase{"Pt10Screen", 10, false, 96, 13},
                                           SizeCase{"Pt9Screen", 9, false, 96, 12},
                                           SizeCase{"Pt10Printer600", 10, false, 600, 83},
                                           SizeCase{"Pt20Printer600", 20, false, 600, 167},
                                           SizeCase{"Px23Screen", 23, true, 96, 23},
                                           SizeCase{"Px13Printer600", 13, true, 600, 13}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FontMap, BoldIsKept)
{
    Font font;
    EXPECT_FALSE(toQFont(font, 96).bold());
    font.bold = true;
    EXPECT_TRUE(toQFont(font, 96).bold());
}

TEST(FontMap, ApplicationFontBecomesNotoSansKeepingItsSize)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    const QFont before = QApplication::font();
    installApplicationFont(*app);
    EXPECT_EQ(QApplication::font().families().value(0), QString::fromUtf8(sansFamily));
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QString::fromUtf8(sansFamily));
    EXPECT_EQ(QApplication::font().pointSizeF(), before.pointSizeF());
    QApplication::setFont(before);
}

}  // namespace
}  // namespace celmora::platform
