// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "cli/ChartJson.h"

#include "core/ChartRecord.h"
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
#define CELMORA_FIELD(name) j[#name] = value(c.name)
    CELMORA_FIELD(name);
    CELMORA_FIELD(birthDateText);
    CELMORA_FIELD(birthPlace);
    CELMORA_FIELD(sex);
    CELMORA_FIELD(yearDiff);
    CELMORA_FIELD(age);
    CELMORA_FIELD(year);
    CELMORA_FIELD(month);
    CELMORA_FIELD(day);
    CELMORA_FIELD(hour);
    CELMORA_FIELD(minute);
    CELMORA_FIELD(localHour);
    CELMORA_FIELD(localMinute);
    CELMORA_FIELD(birthTimeLabel);
    CELMORA_FIELD(birthTimeText);
    CELMORA_FIELD(timeDiffMinutes);
    CELMORA_FIELD(timeDiffText);
    CELMORA_FIELD(localSiderealTime);
    CELMORA_FIELD(moonMansion);

    CELMORA_FIELD(houseSignName);
    CELMORA_FIELD(houseSign);
    CELMORA_FIELD(houseDegText);
    CELMORA_FIELD(houseDegReal);
    CELMORA_FIELD(wholeSignHouse);

    CELMORA_FIELD(nowHouseSignName);
    CELMORA_FIELD(nowHouseSign);
    CELMORA_FIELD(nowHouseDegText);
    CELMORA_FIELD(nowHouseDegReal);

    CELMORA_FIELD(pointSignName);
    CELMORA_FIELD(pointSign);
    CELMORA_FIELD(pointDegText);
    CELMORA_FIELD(pointDeg);
    CELMORA_FIELD(pointDegReal);
    CELMORA_FIELD(signRanking);

    CELMORA_FIELD(harmonicLongitude);
    CELMORA_FIELD(harmonicDegree);
    CELMORA_FIELD(harmonicWholeDegree);
    CELMORA_FIELD(harmonicDegreeText);
    CELMORA_FIELD(harmonicSign);
    CELMORA_FIELD(harmonicQuality);
    CELMORA_FIELD(harmonicSignCount);
    CELMORA_FIELD(divisionConstant);
    CELMORA_FIELD(dividedLongitude);
    CELMORA_FIELD(dividedSign);
    CELMORA_FIELD(dividedWholeDegree);
    CELMORA_FIELD(dividedDegreeText);
    CELMORA_FIELD(dividedSignCount);

    CELMORA_FIELD(chartAngle);
    CELMORA_FIELD(chartAngleExact);

    CELMORA_FIELD(sunHouse);
    CELMORA_FIELD(aspectRanking);
    CELMORA_FIELD(strongestPlanetName);
    CELMORA_FIELD(strongPlanets);
    CELMORA_FIELD(weakPlanetNames);
    CELMORA_FIELD(aspectAngleFrequency);
    CELMORA_FIELD(risingBodies);
    CELMORA_FIELD(culminatingBodies);
    CELMORA_FIELD(patternRightTriangle);
    CELMORA_FIELD(patternGrandTrine);
    CELMORA_FIELD(patternIsosceles);
    CELMORA_FIELD(patternSquare);
    CELMORA_FIELD(patternRectangle);
    CELMORA_FIELD(hardAspectCount);
    CELMORA_FIELD(softAspectCount);
    CELMORA_FIELD(workCount);
    CELMORA_FIELD(homeCount);
    CELMORA_FIELD(beliefCount);
    CELMORA_FIELD(senseCount);
    CELMORA_FIELD(earlyCount);
    CELMORA_FIELD(lateCount);

    CELMORA_FIELD(sevenGov);
#undef CELMORA_FIELD
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
