// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/NatalWheel.h"

#include "core/ChartPoints.h"
#include "core/ChartRecord.h"
#include "core/calc1Unit.h"
#include "graphics/LunarMansions.h"
#include "graphics/TKoseiObj.h"
#include "graphics/WheelDrawing.h"
#include "platform/Checked.h"
#include "platform/Messages.h"
#include "platform/PictureFile.h"

#include <algorithm>
#include <array>

namespace celmora::graphics {

namespace {

using platform::Colour;
using platform::Font;
using platform::Point;
using platform::Rect;
using platform::Size;

constexpr std::array<std::string_view, 12> signPictureFiles{
    "COLari.bmp", "COLtau.bmp", "COLgem.bmp", "COLcnc.bmp", "COLleo.bmp", "COLvir.bmp",
    "COLlib.bmp", "COLsco.bmp", "COLsgr.bmp", "COLcap.bmp", "COLaqr.bmp", "COLpsc.bmp"};

constexpr std::array<std::string_view, 12> houseMeanings{
    "あなたの個性", "財産、経済", "知的能力", "家族や住宅",   "夢・恋愛",     "健康",
    "パートナー",   "再生・死・子孫", "精神性", "仕事・社会性", "社会的願望", "障害・病気"};

// Each line is drawn in the colour of the aspect lines it names (aspectColour).
struct LegendLine {
    const char* text;
    int degree;
    int top;
};
constexpr LegendLine legendLines[5] = {
    {"180,90", 180, 68}, {"120,60,30", 120, 79}, {"150", 150, 90}, {"144,72", 144, 100}, {"45,135", 45, 111}};
constexpr const char* legendHint = "各アスペクト度数は色で識別できます";

constexpr Size signPictureSize{60, 58};
constexpr Size signSymbolSize{40, 40};
// A body picture whose file is missing: the installed icons are 16 × 16.
constexpr Size missingBodySize{16, 16};

// Counts of each kind in painting order.
struct KindCount {
    OverlayKind kind;
    int count;
};
constexpr KindCount itemLayout[] = {
    {OverlayKind::SignPicture, 12}, {OverlayKind::CuspDegreeLabel, 12}, {OverlayKind::HouseNumber, 12},
    {OverlayKind::MansionLabel, 27}, {OverlayKind::ArabicPart, 5},      {OverlayKind::HalfSumMark, 20},
    {OverlayKind::FixedStar, 20},    {OverlayKind::PartnerBody, 13},    {OverlayKind::Body, 13},
    {OverlayKind::HeaderLine, 3},    {OverlayKind::Legend, 5},
};

std::size_t firstOf(OverlayKind kind, int index)
{
    std::size_t offset = 0;
    for (const KindCount& k : itemLayout) {
        if (k.kind == kind) return offset + static_cast<std::size_t>(platform::checkedRange(index, 1, k.count, "表示部品の番号") - 1);
        offset += static_cast<std::size_t>(k.count);
    }
    return offset;
}

Font labelFont(const char* family, int pixels, bool bold, Colour colour, bool opaque = false)
{
    Font f;
    f.family = family;
    f.size = pixels;
    f.pixelSize = true;
    f.bold = bold;
    f.colour = colour;
    f.opaque = opaque;
    return f;
}

Size readablePictureSize(const std::string& path)
{
    const auto bytes = platform::picturefile::readBinary(path);
    return bytes ? platform::picturefile::sizeOf(*bytes) : Size{};
}

Rect centredBox(Point centre, Size size)
{
    const int left = centre.x - size.width / 2;
    const int top = centre.y - size.height / 2;
    return {left, top, left + size.width, top + size.height};
}

void drawPlaceholder(platform::Canvas& canvas, const WheelOverlayItem& item)
{
    canvas.setPen(platform::Pen{platform::colours::gray, 1, platform::PenStyle::Solid});
    canvas.setBrush(platform::Brush{platform::colours::white, platform::BrushStyle::Solid});
    canvas.rectangle(item.box);
    if (item.placeholder.empty()) return;
    canvas.setFont(labelFont("ＭＳ Ｐゴシック", std::clamp(item.box.height() * 2 / 5, 8, 14), false, platform::colours::gray));
    const Size ext = canvas.textExtent(item.placeholder);
    canvas.text({item.box.left + (item.box.width() - ext.width) / 2, item.box.top + (item.box.height() - ext.height) / 2},
                item.placeholder);
}

}  // namespace

std::string missingPicturesMessage(const std::vector<std::string>& paths)
{
    std::string text = "次の画像ファイルを読み込めませんでした。代わりに枠を表示しています。";
    for (const std::string& p : paths) text += "\n" + p;
    return text;
}

NatalWheel::NatalWheel(platform::ProgramDir dirs, platform::Messages& messages)
    : dirs_(std::move(dirs)),
      messages_(messages),
      geometry_(WheelGeometry::forSide(WheelGeometry::minimumSide)),
      raster_({WheelGeometry::minimumSide, WheelGeometry::minimumSide})
{
    createItems();
}

void NatalWheel::setSide(int side)
{
    geometry_ = WheelGeometry::forSide(std::max(side, WheelGeometry::minimumSide));
}

void NatalWheel::createItems()
{
    for (const KindCount& k : itemLayout) {
        for (int i = 1; i <= k.count; ++i) {
            WheelOverlayItem item;
            item.kind = k.kind;
            item.index = i;
            items_.push_back(std::move(item));
        }
    }
    for (int i = 1; i <= 12; ++i) {
        item(OverlayKind::SignPicture, i).isPicture = true;
        item(OverlayKind::CuspDegreeLabel, i).font = labelFont("ＭＳ Ｐゴシック", 13, false, platform::colours::blue, true);
        item(OverlayKind::CuspDegreeLabel, i).background = platform::colours::yellow;
        WheelOverlayItem& house = item(OverlayKind::HouseNumber, i);
        house.font = labelFont("ＭＳ Ｐゴシック", 16, true, platform::colours::black);
        house.text = std::to_string(i);
        house.hint = std::string(houseMeanings[static_cast<std::size_t>(i - 1)]);
        house.centred = true;
    }
    for (int k = 1; k <= 27; ++k) {
        WheelOverlayItem& m = item(OverlayKind::MansionLabel, k);
        m.font = labelFont("ＭＳ 明朝", 21, true, Colour::rgb(0x800080));
        m.text = std::string(mansionName(k));
        m.hint = std::string(mansionMeaning(k));
        m.centred = true;
    }
    for (int k = 1; k <= 5; ++k) {
        WheelOverlayItem& a = item(OverlayKind::ArabicPart, k);
        a.font = labelFont("ＭＳ Ｐゴシック", 13, true, Colour::rgb(0x800000));
        a.centred = true;
    }
    for (int k = 1; k <= 20; ++k) {
        WheelOverlayItem& h = item(OverlayKind::HalfSumMark, k);
        h.font = labelFont("ＭＳ Ｐゴシック", 12, true, Colour::rgb(0xFF00FF));
        h.text = k == 1 ? "☆" : "★";
        h.centred = true;
        WheelOverlayItem& s = item(OverlayKind::FixedStar, k);
        s.font = labelFont("ＭＳ Ｐゴシック", 15, false, platform::colours::blue, true);
        s.background = Colour::rgb(0x80FF00);
        s.text = std::string(fixedStars()[k].mark);
        s.hint = fixedStars()[k].hint();
        s.centred = true;
    }
    for (int b = 1; b <= 13; ++b) {
        item(OverlayKind::PartnerBody, b).isPicture = true;
        item(OverlayKind::Body, b).isPicture = true;
        item(OverlayKind::Body, b).placeholder = std::string(bodyTextLabel(b));
        item(OverlayKind::PartnerBody, b).placeholder = std::string(bodyTextLabel(b));
    }
    for (int l = 1; l <= 3; ++l) {
        WheelOverlayItem& h = item(OverlayKind::HeaderLine, l);
        h.font = labelFont("ＭＳ Ｐゴシック", 15, false, platform::colours::black);
        h.anchor = {8, 8 + 19 * (l - 1)};
    }
    for (int l = 1; l <= 5; ++l) {
        WheelOverlayItem& g = item(OverlayKind::Legend, l);
        const LegendLine& line = legendLines[l - 1];
        g.font = labelFont("ＭＳ Ｐゴシック", 12, true, aspectColour(line.degree));
        g.text = line.text;
        g.anchor = {7, line.top};
        g.hint = legendHint;
        g.visible = true;
    }
}

const WheelOverlayItem& NatalWheel::item(OverlayKind kind, int index) const
{
    return items_[firstOf(kind, index)];
}

WheelOverlayItem& NatalWheel::item(OverlayKind kind, int index)
{
    return items_[firstOf(kind, index)];
}

void NatalWheel::hideAll(OverlayKind kind)
{
    for (WheelOverlayItem& i : items_) {
        if (i.kind == kind) i.visible = false;
    }
}

void NatalWheel::placePicture(WheelOverlayItem& target, const std::string& path, Point centre, Size size)
{
    target.picturePath = path;
    target.box = centredBox(centre, size);
    target.visible = true;
}

void NatalWheel::placeBodyPicture(WheelOverlayItem& target, const std::string& path, Point centre)
{
    Size size = readablePictureSize(path);
    if (size.width <= 0 || size.height <= 0) {
        missing_.push_back(path);
        size = missingBodySize;
    }
    placePicture(target, path, centre, size);
}

FrameResult NatalWheel::Redisp(core::ChartRecord& chart, WheelFrame& frame)
{
    // The frame first: a picture that will not load must not keep the frame from
    // the analysis that reads it.
    const FrameResult found = computeWheelFrame(chart, frame, messages_);
    redraw(chart, frame, found.ariesFound);
    return found;
}

void NatalWheel::redraw(const core::ChartRecord& chart, const WheelFrame& frame, bool ariesFound)
{
    missing_.clear();
    reported_ = 0;
    if (redrawListener_) redrawListener_();
    hideAll(OverlayKind::PartnerBody);
    hideAll(OverlayKind::FixedStar);
    hideAll(OverlayKind::HalfSumMark);
    hideAll(OverlayKind::ArabicPart);

    raster_ = platform::RecordingCanvas({geometry_.side, geometry_.side});
    drawWheelBackground(raster_, geometry_);
    if (ariesFound) {
        item(OverlayKind::HeaderLine, 1).text = chart.birthDateText + " " + chart.birthTimeLabel;
        item(OverlayKind::HeaderLine, 2).text = "時差  " + chart.timeDiffText;
        item(OverlayKind::HeaderLine, 3).text = chart.name;
        for (int l = 1; l <= 3; ++l) item(OverlayKind::HeaderLine, l).visible = true;
        hideAll(OverlayKind::MansionLabel);
    }

    drawSignRing(raster_, geometry_, frame);
    placeSignItems(chart, frame);
    drawHouseCusps(raster_, geometry_, frame);
    placeHouseNumbers(frame);
    placeBodies(chart);
    arabic_ = computeArabicParts(chart, frame);
    reportMissingPictures();
}

void NatalWheel::placeSigns(const core::ChartRecord& chart, const WheelFrame& frame)
{
    missing_.clear();
    reported_ = 0;
    placeSignItems(chart, frame);
    reportMissingPictures();
}

void NatalWheel::placeSignItems(const core::ChartRecord& chart, const WheelFrame& frame)
{
    const bool pictures = style_ == SignStyle::Picture;
    const Size size = pictures ? signPictureSize : signSymbolSize;
    const int radius = pictures ? geometry_.signImageRadius : geometry_.signSymbolRadius;
    const std::string folder = pictures ? dirs_.signPictureDir() : dirs_.signSymbolDir();
    for (int j = 1; j <= 12; ++j) {
        const int sign = chart.wholeSignHouse[j];
        WheelOverlayItem& picture = item(OverlayKind::SignPicture, j);
        const std::string path = folder + "/" + std::string(signPictureFiles[static_cast<std::size_t>(
                                                     platform::checkedRange(sign, 1, 12, "星座番号") - 1)]);
        const Size natural = readablePictureSize(path);
        if (natural.width <= 0 || natural.height <= 0) missing_.push_back(path);
        // The middle of sector j.
        placePicture(picture, path, geometry_.at(frame.ascSignStart + 15 + 30 * (j - 1), radius), size);
        picture.hint = core::signName(sign);
        picture.placeholder = core::signName(sign);
    }
    for (int i = 1; i <= 12; ++i) {
        WheelOverlayItem& label = item(OverlayKind::CuspDegreeLabel, i);
        label.anchor = geometry_.at(frame.cuspAngle[i], geometry_.tickOuter + 6);
        label.text = chart.houseDegText[i];
        label.visible = true;
    }
}

void NatalWheel::placeHouseNumbers(const WheelFrame& frame)
{
    for (int i = 1; i <= 12; ++i) {
        WheelOverlayItem& house = item(OverlayKind::HouseNumber, i);
        house.anchor = geometry_.at(frame.houseMid[i], WheelGeometry::houseNumberRadius);
        house.visible = true;
    }
}

void NatalWheel::placeBodies(const core::ChartRecord& chart)
{
    namespace pt = core::point;
    const auto at = spreadPoints(chart.chartAngle, geometry_.bodyRadius, 14);
    for (int b = 1; b <= 13; ++b) {
        WheelOverlayItem& body = item(OverlayKind::Body, b);
        placeBodyPicture(body, dirs_.iconDir() + "/" + std::string(bodyPictureStem(b)) + ".bmp",
                         {geometry_.cx + at[b].x, geometry_.cy - at[b].y});
        std::string sign, degrees;
        if (b == pt::Asc) {
            sign = chart.houseSignName[1];
            degrees = chart.houseDegText[1];
        } else if (b == pt::Mc) {
            sign = chart.houseSignName[10];
            degrees = chart.houseDegText[10];
        } else {
            sign = chart.pointSignName[b];
            degrees = chart.pointDegText[b];
        }
        body.hint = std::string(core::pointName(b)) + " (" + sign + " " + degrees + ")";
    }
}

void NatalWheel::reportMissingPictures()
{
    if (missing_.size() <= reported_) return;
    const std::vector<std::string> fresh(missing_.begin() + static_cast<std::ptrdiff_t>(reported_), missing_.end());
    reported_ = missing_.size();
    messages_.information(missingPicturesMessage(fresh));
}

void NatalWheel::showFixedStars(const core::ChartRecord& chart, const WheelFrame& frame)
{
    for (int s = 1; s <= 20; ++s) {
        const TKoseiObj& star = fixedStars()[s];
        const int j = sectorOfSign(chart, star.sign);
        if (j == 0) continue;
        WheelOverlayItem& mark = item(OverlayKind::FixedStar, s);
        mark.anchor = geometry_.at(frame.signStart[j] + star.degree, geometry_.starRadius);
        mark.visible = true;
    }
}

void NatalWheel::hideFixedStars()
{
    hideAll(OverlayKind::FixedStar);
}

void NatalWheel::showArabicParts()
{
    for (int k = 1; k <= 5; ++k) {
        WheelOverlayItem& mark = item(OverlayKind::ArabicPart, k);
        mark.text = arabic_[k].mark;
        mark.hint = arabic_[k].fullText;
        mark.anchor = geometry_.at(arabic_[k].angle, geometry_.arabicRadius);
        mark.visible = true;
    }
}

void NatalWheel::hideArabicParts()
{
    hideAll(OverlayKind::ArabicPart);
}

void NatalWheel::showMansions(const core::ChartRecord& chart, const WheelFrame& frame)
{
    for (int k = 1; k <= 27; ++k) {
        WheelOverlayItem& label = item(OverlayKind::MansionLabel, k);
        label.anchor = geometry_.at(frame.mansionStart[k] + 6.6, WheelGeometry::mansionRadius);
        const bool moon = k == chart.moonMansion;
        label.font.opaque = moon;
        label.background = moon ? platform::colours::yellow : platform::colours::white;
        label.visible = true;
    }
}

void NatalWheel::hideMansions()
{
    hideAll(OverlayKind::MansionLabel);
}

void NatalWheel::drawAngleBands(const WheelFrame& frame)
{
    graphics::drawAngleBands(raster_, geometry_, frame);
}

void NatalWheel::showBodyTexts(const core::ChartRecord& chart)
{
    hideAll(OverlayKind::Body);
    drawBodyTexts(raster_, geometry_, chart);
}

void NatalWheel::drawAspectLines(const core::ChartRecord& chart, const WheelFrame& frame,
                                 std::span<const BodyPair> pairs)
{
    graphics::drawAspectLines(raster_, geometry_, frame, chart, pairs);
}

void NatalWheel::drawPatternSides(const core::ChartRecord& chart, const WheelFrame& frame, std::span<const int> bodies)
{
    graphics::drawPatternSides(raster_, geometry_, frame, chart, bodies);
}

Rect NatalWheel::itemBox(const WheelOverlayItem& it, platform::Canvas& measure) const
{
    if (it.isPicture) return it.box;
    measure.setFont(it.font);
    const Size ext = measure.textExtent(it.text);
    if (it.centred) return centredBox(it.anchor, ext);
    return {it.anchor.x, it.anchor.y, it.anchor.x + ext.width, it.anchor.y + ext.height};
}

void NatalWheel::paint(platform::Canvas& canvas) const
{
    platform::replay(raster_.displayList(), canvas);
    const platform::PictureOptions keyed{true, true, platform::colours::white};
    for (const WheelOverlayItem& it : items_) {
        if (!it.visible) continue;
        if (it.isPicture) {
            if (!canvas.picture(it.picturePath, it.box, keyed)) drawPlaceholder(canvas, it);
            continue;
        }
        if (it.text.empty()) continue;
        const Rect box = itemBox(it, canvas);
        if (it.font.opaque) canvas.setBrush(platform::Brush{it.background, platform::BrushStyle::Solid});
        canvas.text({box.left, box.top}, it.text);
    }
}

std::string NatalWheel::hintAt(Point at, platform::Canvas& measure) const
{
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        if (!it->visible || it->hint.empty()) continue;
        const Rect box = itemBox(*it, measure);
        if (at.x >= box.left && at.x < box.right && at.y >= box.top && at.y < box.bottom) return it->hint;
    }
    return {};
}

}  // namespace celmora::graphics
