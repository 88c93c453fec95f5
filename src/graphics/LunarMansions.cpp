// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/LunarMansions.h"

#include "platform/Checked.h"

#include <array>

namespace celmora::graphics {

namespace {

constexpr std::array<std::string_view, 27> names{
    "婁", "胃", "昴", "畢", "觜", "参", "井", "鬼", "柳", "星", "張", "翼", "軫", "角",
    "亢", "氏", "房", "心", "尾", "箕", "斗", "女", "虚", "危", "室", "壁", "奎"};

constexpr std::array<std::string_view, 27> meanings{
    "多芸多才なタレント星",       "独立独歩で他人の世話にならない", "名誉を重んじる学識の星",
    "素朴で大器晩成の星",         "金銭運に恵まれた実力星",         "才気にあふれる革新の星",
    "理性的・実務能力に優れる",   "好奇心旺盛、鋭い直感力",         "学問や技術を好む一匹狼",
    "一本気で、反主流の大器",     "女主人星、熱っぽい知識人",       "徳望と実力で権力を得る",
    "精神志向の物静かな星",       "人情深く、エネルギッシュな星",   "プライド高く、反骨の星",
    "勝負強い野心家の星",         "エリート意識の強い金持ち星",     "愛敬のある天性の役者星",
    "武人の星で仕事に自負心あり", "行動的な親分星",                 "じっくりと運を勝ち取る名誉の星",
    "信念の強い知的な星",         "サムライ星、勝負運がある",       "清廉潔白で美的センスがある",
    "現実主義で物質性の星",       "実利に強い庶民派の星",           "美男美女、高い思想がある"};

std::size_t indexOf(int mansion)
{
    return static_cast<std::size_t>(platform::checkedRange(mansion, 1, 27, "宿の番号") - 1);
}

}  // namespace

std::string_view mansionName(int mansion)
{
    return names[indexOf(mansion)];
}

std::string_view mansionMeaning(int mansion)
{
    return meanings[indexOf(mansion)];
}

}  // namespace celmora::graphics
