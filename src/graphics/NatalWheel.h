// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The natal wheel as a picture, independent of any window toolkit.
//
//   in:  the ChartRecord and its WheelFrame; the picture files under the program
//        folder ("icon", "bmp", "bmp2")
//   out: a raster layer (a display list that drawing commands add to) and overlay
//        items (pictures and labels, shown or hidden, with hints), painted onto any
//        canvas by paint()
//
// The raster only grows: aspect lines, angle bands and body texts accumulate until
// the next redisplay starts again from white. The window, the command-line program
// and the tests all draw through this class, so they show the same wheel.
//
// A picture file that cannot be read never stops the wheel: a framed placeholder
// takes its place and one message per redisplay names every such file.

#include "graphics/ArabUnit1.h"
#include "graphics/SignStyle.h"
#include "graphics/WheelFrame.h"
#include "graphics/WheelGeometry.h"
#include "graphics/WheelOverlayItem.h"
#include "platform/Canvas.h"
#include "platform/ProgramDir.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace celmora::core {
struct ChartRecord;
}
namespace celmora::platform {
class Messages;
}

namespace celmora::graphics {

class NatalWheel {
public:
    NatalWheel(platform::ProgramDir dirs, platform::Messages& messages);

    // Image side W in pixels for the next redisplay; never below WheelGeometry::minimumSide.
    void setSide(int side);
    const WheelGeometry& geometry() const { return geometry_; }

    SignStyle signStyle() const { return style_; }
    void setSignStyle(SignStyle style) { style_ = style; }

    // Called at the start of every redisplay (the partner command sets its state there).
    void setRedrawListener(std::function<void()> listener) { redrawListener_ = std::move(listener); }

    // `Redisp`: computes the frame from the chart (writing chartAngle, chartAngleExact,
    // moonMansion) and redraws everything from white.
    FrameResult Redisp(core::ChartRecord& chart, WheelFrame& frame);
    // Redraws from a frame computed already (the Diagnose run computes it headless first).
    void redraw(const core::ChartRecord& chart, const WheelFrame& frame, bool ariesFound = true);

    // Re-places the sign pictures and cusp-degree labels in the current style.
    void placeSigns(const core::ChartRecord& chart, const WheelFrame& frame);
    void showFixedStars(const core::ChartRecord& chart, const WheelFrame& frame);
    void hideFixedStars();
    void showArabicParts();
    void hideArabicParts();
    void showMansions(const core::ChartRecord& chart, const WheelFrame& frame);
    void hideMansions();
    void drawAngleBands(const WheelFrame& frame);
    // Text display: hides the 13 body pictures and writes the points as texts.
    void showBodyTexts(const core::ChartRecord& chart);
    void drawAspectLines(const core::ChartRecord& chart, const WheelFrame& frame, std::span<const BodyPair> pairs);
    void drawPatternSides(const core::ChartRecord& chart, const WheelFrame& frame, std::span<const int> bodies);

    // The Arabic parts of the last redisplay.
    const platform::Array1<TArabicObj, 1, 5>& arabicParts() const { return arabic_; }

    // Overlay items in painting order (later ones on top).
    const std::vector<WheelOverlayItem>& items() const { return items_; }
    const WheelOverlayItem& item(OverlayKind kind, int index) const;
    WheelOverlayItem& item(OverlayKind kind, int index);
    // The 20 midpoint marks (mark 1 "☆", the others "★"), placed by the midpoint window.
    THalfObj& halfSumMark(int k) { return item(OverlayKind::HalfSumMark, k); }
    // Puts a picture item's file in place, centred on `centre`, sized to the file.
    void placeBodyPicture(WheelOverlayItem& item, const std::string& path, platform::Point centre);

    const platform::DisplayList& raster() const { return raster_.displayList(); }

    // Draws the raster and the visible overlays.
    void paint(platform::Canvas& canvas) const;
    // Box of an overlay item as `measure` lays out text.
    platform::Rect itemBox(const WheelOverlayItem& item, platform::Canvas& measure) const;
    // Hint of the topmost visible item under `at`, "" when none has one.
    std::string hintAt(platform::Point at, platform::Canvas& measure) const;

    // Picture files that could not be read since the last redisplay began.
    const std::vector<std::string>& missingPictures() const { return missing_; }
    // One message naming the files found unreadable since the last message, if any.
    void reportMissingPictures();

private:
    void createItems();
    void hideAll(OverlayKind kind);
    void placePicture(WheelOverlayItem& item, const std::string& path, platform::Point centre, platform::Size size);
    void placeSignItems(const core::ChartRecord& chart, const WheelFrame& frame);
    void placeHouseNumbers(const WheelFrame& frame);
    void placeBodies(const core::ChartRecord& chart);

    platform::ProgramDir dirs_;
    platform::Messages& messages_;
    WheelGeometry geometry_;
    SignStyle style_ = SignStyle::Picture;
    std::function<void()> redrawListener_;
    platform::RecordingCanvas raster_;
    std::vector<WheelOverlayItem> items_;
    platform::Array1<TArabicObj, 1, 5> arabic_;
    std::vector<std::string> missing_;
    std::size_t reported_ = 0;
};

// Message naming the picture files that could not be read.
std::string missingPicturesMessage(const std::vector<std::string>& paths);

}  // namespace celmora::graphics
