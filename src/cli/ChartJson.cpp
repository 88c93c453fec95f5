// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "cli/ChartJson.h"

#include "core/ChartRecord.h"
#include "core/ChartRecordFields.h"
#include "graphics/WheelFrame.h"
#include "western/AspectUnit1.h"

namespace celmora::cli {

namespace {

using Json = nlohmann::ordered_json;

Json value(const std::string& v)
{
    return v;
}
Json value(int v)
{
    return v;
}
Json value(double v)
{
    return v;
}
template <int Lo, int Hi>
Json value(const core::BoundedInt<Lo, Hi>& v)
{
    return v.value();
}
Json value(const core::SignCount& v)
{
    return Json{{"sign", v.sign}, {"count", v.count}};
}
Json value(const core::PointCount& v)
{
    return Json{{"count", v.count}, {"point", v.point}};
}
Json value(const core::StrongPlanet& v)
{
    return Json{{"point", v.point}, {"countText", v.countText}, {"name", v.name}};
}
Json value(const core::AngleCount& v)
{
    return Json{{"angle", v.angle}, {"count", v.count}};
}
Json value(const core::SevenGovernorsArea&)
{
    return Json::object();
}
template <typename T, int Lo, int Hi>
Json value(const platform::Array1<T, Lo, Hi>& array)
{
    Json list = Json::array();
    for (const T& element : array) list.push_back(value(element));
    return list;
}

}  // namespace

nlohmann::ordered_json chartToJson(const core::ChartRecord& c)
{
    Json j = Json::object();
    core::forEachChartField(c, [&j](const char* name, const auto& field) { j[name] = value(field); });
    return j;
}

nlohmann::ordered_json wheelToJson(const graphics::WheelFrame& frame, const western::AspectMatrix& aspects)
{
    Json j = Json::object();
    j["ascSignStart"] = frame.ascSignStart;
    j["signStart"] = value(frame.signStart);
    j["cuspAngle"] = value(frame.cuspAngle);
    j["houseMid"] = value(frame.houseMid);
    j["mansionStart"] = value(frame.mansionStart);
    j["angleBand"] = value(frame.angleBand);
    j["halfSumPair"] = Json::array({frame.halfSumPair.first, frame.halfSumPair.second});
    Json pairs = Json::array();
    for (int a = 1; a <= 12; ++a) {
        for (int b = a + 1; b <= 13; ++b) {
            Json p = Json::object();
            p["pair"] = Json::array({a, b});
            p["separation"] = frame.separation[a][b];
            p["aspectAngle"] = frame.aspectAngle[a][b];
            p["hasAspect"] = aspects.hasAspect[a][b];
            p["isHard"] = aspects.isHard[a][b];
            pairs.push_back(std::move(p));
        }
    }
    j["pairs"] = std::move(pairs);
    return j;
}

}  // namespace celmora::cli
