// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "cli/ChartJson.h"

#include "cli/JsonWriter.h"
#include "core/ChartRecord.h"
#include "core/ChartRecordFields.h"
#include "graphics/WheelFrame.h"
#include "western/AspectUnit1.h"

namespace celmora::cli {

namespace {

void write(JsonWriter& w, const std::string& v)
{
    w.value(v);
}
void write(JsonWriter& w, int v)
{
    w.value(v);
}
void write(JsonWriter& w, double v)
{
    w.value(v);
}
void write(JsonWriter& w, core::SignIndex v)
{
    w.value(v.index());
}
template <int Lo, int Hi>
void write(JsonWriter& w, const core::BoundedInt<Lo, Hi>& v)
{
    w.value(v.value());
}
void write(JsonWriter& w, const core::SignCount& v)
{
    w.beginObject();
    w.key("sign");
    w.value(v.sign);
    w.key("count");
    w.value(v.count);
    w.end();
}
void write(JsonWriter& w, const core::PointCount& v)
{
    w.beginObject();
    w.key("count");
    w.value(v.count);
    w.key("point");
    w.value(v.point);
    w.end();
}
void write(JsonWriter& w, const core::StrongPlanet& v)
{
    w.beginObject();
    w.key("point");
    w.value(v.point);
    w.key("countText");
    w.value(v.countText);
    w.key("name");
    w.value(v.name);
    w.end();
}
void write(JsonWriter& w, const core::AngleCount& v)
{
    w.beginObject();
    w.key("angle");
    w.value(v.angle);
    w.key("count");
    w.value(v.count);
    w.end();
}
void write(JsonWriter& w, const core::SevenGovernorsArea&)
{
    w.beginObject();
    w.end();
}
template <typename T, int Lo, int Hi>
void write(JsonWriter& w, const platform::Array1<T, Lo, Hi>& array)
{
    w.beginArray();
    for (const T& element : array) write(w, element);
    w.end();
}
void writePair(JsonWriter& w, int first, int second)
{
    w.beginArray();
    w.value(first);
    w.value(second);
    w.end();
}

}  // namespace

void writeChart(JsonWriter& w, const core::ChartRecord& c)
{
    w.beginObject();
    core::forEachChartField(c, [&w](const char* name, const auto& field) {
        w.key(name);
        write(w, field);
    });
    w.end();
}

void writeWheel(JsonWriter& w, const graphics::WheelFrame& frame, const western::AspectMatrix& aspects)
{
    w.beginObject();
    w.key("ascSignStart");
    w.value(frame.ascSignStart);
    w.key("signStart");
    write(w, frame.signStart);
    w.key("cuspAngle");
    write(w, frame.cuspAngle);
    w.key("houseMid");
    write(w, frame.houseMid);
    w.key("mansionStart");
    write(w, frame.mansionStart);
    w.key("angleBand");
    write(w, frame.angleBand);
    w.key("halfSumPair");
    writePair(w, frame.halfSumPair.first, frame.halfSumPair.second);
    w.key("pairs");
    w.beginArray();
    for (int a = 1; a <= 12; ++a) {
        for (int b = a + 1; b <= 13; ++b) {
            w.beginObject();
            w.key("pair");
            writePair(w, a, b);
            w.key("separation");
            w.value(frame.separation[a][b]);
            w.key("aspectAngle");
            w.value(frame.aspectAngle[a][b]);
            w.key("hasAspect");
            w.value(aspects.hasAspect[a][b]);
            w.key("isHard");
            w.value(aspects.isHard[a][b]);
            w.end();
        }
    }
    w.end();
    w.end();
}

}  // namespace celmora::cli
