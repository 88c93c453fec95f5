// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/TKoseiObj.h"

#include "core/calc1Unit.h"

namespace celmora::graphics {

std::string_view TKoseiObj::name() const
{
    return text.substr(0, text.find(':'));
}

std::string_view TKoseiObj::meaning() const
{
    const auto colon = text.find(':');
    return colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
}

std::string TKoseiObj::hint() const
{
    return std::string(name()) + "(" + core::signName(sign) + std::string(degreeText) + ")";
}

const platform::Array1<TKoseiObj, 1, 20>& fixedStars()
{
    // The integer degree is the degree text read in tenths and rounded half to even,
    // written out here so that placing a star needs no text conversion.
    static const platform::Array1<TKoseiObj, 1, 20> stars = [] {
        const TKoseiObj list[20] = {
            {"①", "アルフェラト:芸術的霊感、名誉、独立、啓示による人生変更", 1, "14.14", 14},
            {"②", "アルゴル:暴力や災害、親に束縛、首と喉に欠点", 2, "26.7", 26},
            {"③", "アルキオン:悲哀と放浪、涙しやすい、虚しさを埋める必要", 2, "29.56", 30},
            {"④", "アルデバラン:強い指導力やカリスマ、精力家、権力", 3, "9.44", 10},
            {"⑤", "カペラ:名誉や信頼、財産、自己顕示欲", 3, "21.48", 22},
            {"⑥", "ベテルギウス:研究熱心で社会的野望、真理の研究", 3, "28.42", 29},
            {"⑦", "シリウス:攻撃的でプライド高く目標が大きい、独自の判断力", 4, "14.1", 14},
            {"⑧", "ポルックス:強い生命力と大胆な行動、勝負強い", 4, "23.10", 23},
            {"⑨", "プロキオン:忠実、復讐心、良い目上運、悪い目下運、成功と失脚", 4, "25.44", 26},
            {"⑩", "レグルス:若くして成功、理想主義者、強い使命感", 5, "29.46", 30},
            {"⑪", "デネボラ:強い精神力、批判能力、ヒステリック、支配的", 6, "21.34", 22},
            {"⑫", "スピカ:名誉運、名声運、管理能力、教育分野", 7, "23.47", 24},
            {"⑬", "アクルックス:霊的な物事に関心、存在感、強運", 8, "11.49", 12},
            {"⑭", "アジェナ:愛情のスキャンダル、健康、道徳心、多情", 8, "23.44", 24},
            {"⑮", "アンタレス:戦闘的、頑固、冒険、犠牲的、視力障害", 9, "9.42", 10},
            {"⑯", "ベガ:芸術的才能、悲恋、寛容で奉仕的", 10, "15.15", 15},
            {"⑰", "アルタイル:波乱の人生、衝動的、知的分野、名誉心", 11, "1.43", 2},
            {"⑱", "フォーマルハウト:知的分野での成功、信仰心、影響力", 12, "3.47", 4},
            {"⑲", "マーカブ:病気、試練、束縛、危険予知能力", 12, "23.26", 23},
            {"⑳", "シャート:不吉な現象、災害、拘留、死、宗教、神秘", 12, "29.19", 29},
        };
        platform::Array1<TKoseiObj, 1, 20> table;
        for (int s = 1; s <= 20; ++s) table[s] = list[s - 1];
        return table;
    }();
    return stars;
}

}  // namespace celmora::graphics
