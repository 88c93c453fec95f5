// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The installed pictures: every file the screens load exists under its exact name, is a
// 24-bit BMP of the size the screens lay out, has the white key colour around the
// drawing (the program draws pictures with white as the transparent colour), carries a
// drawing, and the signs wear their element's colour.

#include "DataTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace celmora::testing {
namespace {

struct Bitmap {
    int width = 0, height = 0, bitsPerPixel = 0, compression = -1;
    std::vector<std::uint32_t> rgb;  // top row first, 0xRRGGBB
    std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y * width + x)]; }
};

std::int32_t le(const std::string& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

Bitmap readBmp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Bitmap bmp;
    if (b.size() < 54 || b.compare(0, 2, "BM") != 0) return bmp;
    const std::size_t offset = static_cast<std::size_t>(le(b, 10, 4));
    bmp.width = le(b, 18, 4);
    const int height = le(b, 22, 4);
    bmp.height = std::abs(height);
    bmp.bitsPerPixel = le(b, 28, 2);
    bmp.compression = le(b, 30, 4);
    if (bmp.bitsPerPixel != 24) return bmp;
    const std::size_t stride = static_cast<std::size_t>((bmp.width * 3 + 3) & ~3);
    if (offset + stride * static_cast<std::size_t>(bmp.height) > b.size()) return bmp;
    bmp.rgb.resize(static_cast<std::size_t>(bmp.width * bmp.height));
    for (int y = 0; y < bmp.height; ++y) {
        const std::size_t row = offset + stride * static_cast<std::size_t>(height > 0 ? bmp.height - 1 - y : y);
        for (int x = 0; x < bmp.width; ++x) {
            const std::size_t p = row + static_cast<std::size_t>(x) * 3;
            bmp.rgb[static_cast<std::size_t>(y * bmp.width + x)] =
                static_cast<std::uint32_t>(le(b, p + 2, 1) << 16 | le(b, p + 1, 1) << 8 | le(b, p, 1));
        }
    }
    return bmp;
}

constexpr std::uint32_t key = 0xFFFFFF;

struct PictureGroup {
    const char* folder;
    std::vector<std::string> files;
    int width, height;
};

const std::vector<std::string> signFiles = {"COLari.bmp", "COLtau.bmp", "COLgem.bmp", "COLcnc.bmp",
                                            "COLleo.bmp", "COLvir.bmp", "COLlib.bmp", "COLsco.bmp",
                                            "COLsgr.bmp", "COLcap.bmp", "COLaqr.bmp", "COLpsc.bmp"};

std::vector<PictureGroup> groups()
{
    return {
        {"icon",
         {"Sun.bmp", "Moon.bmp", "Mercury.bmp", "Venus.bmp", "Mars.bmp", "Jupiter.bmp", "Saturn.bmp", "Uranus.bmp",
          "Neptune.bmp", "Pluto.bmp", "DragonH.bmp", "ASC.bmp", "MC.bmp", "DragonT.bmp"},
         16, 16},
        {"bmp", signFiles, 60, 58},
        {"bmp2", signFiles, 40, 40},
        {"bmp2",
         {"Sun.bmp", "Moon.bmp", "Mercury.bmp", "Venus.bmp", "Mars.bmp", "Jupiter.bmp", "Saturn.bmp", "Uranus.bmp",
          "Neptune.bmp", "Pluto.bmp", "DragonH.bmp"},
         40, 40},
        {"mmap",
         {"szi1.bmp", "szi2.bmp", "szi3.bmp", "szi4.bmp", "szi5.bmp", "szi6.bmp", "szi7.bmp", "szi8.bmp", "szi9.bmp",
          "szi10.bmp", "szi11.bmp", "szi12.bmp"},
         60, 60},
    };
}

TEST(Pictures, EveryFileIsA24BitBmpOfItsSizeWithKeyedBackgroundAndADrawing)
{
    if (!CELMORA_PICTURES_BUILT) GTEST_SKIP() << "built without the toolkit's raster painter";
    for (const PictureGroup& group : groups()) {
        std::set<std::vector<std::uint32_t>> seen;
        for (const std::string& file : group.files) {
            const std::string path = fixtureDir + "/" + group.folder + "/" + file;
            SCOPED_TRACE(path);
            const Bitmap bmp = readBmp(path);
            ASSERT_EQ(bmp.bitsPerPixel, 24);
            EXPECT_EQ(bmp.compression, 0);
            EXPECT_EQ(bmp.width, group.width);
            EXPECT_EQ(bmp.height, group.height);
            ASSERT_EQ(bmp.rgb.size(), static_cast<std::size_t>(group.width * group.height));
            for (auto [x, y] : {std::pair{0, 0}, {bmp.width - 1, 0}, {0, bmp.height - 1}, {bmp.width - 1, bmp.height - 1}})
                EXPECT_EQ(bmp.at(x, y), key) << "corner " << x << "," << y;
            const auto ink = std::count_if(bmp.rgb.begin(), bmp.rgb.end(), [](std::uint32_t p) { return p != key; });
            EXPECT_GT(ink, static_cast<long>(bmp.rgb.size()) / 10);
            EXPECT_TRUE(seen.insert(bmp.rgb).second) << "same picture as another file of the folder";
        }
    }
}

// Hue in degrees (0..360) of the mean colour of the non-key pixels, and its brightness 0..1.
std::pair<double, double> meanHueAndValue(const Bitmap& bmp)
{
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (std::uint32_t p : bmp.rgb) {
        if (p == key) continue;
        r += (p >> 16) & 0xFF, g += (p >> 8) & 0xFF, b += p & 0xFF, ++n;
    }
    r /= n, g /= n, b /= n;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    double hue = 0;
    if (mx > mn) {
        if (mx == r) hue = 60 * std::fmod((g - b) / (mx - mn), 6.0);
        else if (mx == g) hue = 60 * ((b - r) / (mx - mn) + 2);
        else hue = 60 * ((r - g) / (mx - mn) + 4);
    }
    return {hue < 0 ? hue + 360 : hue, mx / 255};
}

TEST(Pictures, SignSymbolsWearTheirElementsColour)
{
    if (!CELMORA_PICTURES_BUILT) GTEST_SKIP() << "built without the toolkit's raster painter";
    // Fire red, earth brown, air golden yellow, water blue, repeating from Aries.
    for (std::size_t sign = 0; sign < signFiles.size(); ++sign) {
        SCOPED_TRACE(signFiles[sign]);
        const auto [hue, value] = meanHueAndValue(readBmp(fixtureDir + "/bmp2/" + signFiles[sign]));
        switch (sign % 4) {
        case 0: EXPECT_TRUE(hue < 15 || hue > 345) << hue; break;
        case 1: EXPECT_TRUE(hue > 15 && hue < 45 && value < 0.75) << hue << " " << value; break;
        case 2: EXPECT_TRUE(hue > 38 && hue < 60 && value > 0.7) << hue << " " << value; break;
        case 3: EXPECT_TRUE(hue > 195 && hue < 235) << hue; break;
        }
    }
}

}  // namespace
}  // namespace celmora::testing
