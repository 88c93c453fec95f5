// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The text tests run the near-duplicate and repeated-sentence checks over whole tables;
// the largest holds about 2,000 rows of some 200 characters and must check in well under
// five seconds. Rows are drawn from a Japanese-like mix: common endings and particles that
// every row shares, and rarer words that make rows differ.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "TextChecker.h"

namespace {

std::vector<celmora::texts::KeyedText> tableOf(std::size_t rows, std::size_t chars)
{
    const std::vector<std::string> common{"ます。", "です。", "あなたは", "の", "が", "を", "に", "として", "ことが"};
    std::vector<std::string> rare;
    const std::u32string kanji = U"光風水火土金木月日星海山川花草雨雪雲空道門家庭旅夢愛信誠勇静動始終";
    for (char32_t a : kanji) {
        for (char32_t b : std::u32string(U"心力場時人手目声色形")) {
            std::string word;
            for (char32_t c : {a, b}) {
                word += static_cast<char>(0xE0 | (c >> 12));
                word += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                word += static_cast<char>(0x80 | (c & 0x3F));
            }
            rare.push_back(word);
        }
    }
    std::mt19937 random(42);
    std::vector<celmora::texts::KeyedText> table;
    for (std::size_t i = 0; i < rows; ++i) {
        std::string text;
        while (celmora::texts::charCount(text) < chars)
            text += (random() % 2 ? common[random() % common.size()] : rare[random() % rare.size()]);
        table.push_back({std::to_string(i), text});
    }
    return table;
}

void BM_NearDuplicates(benchmark::State& state)
{
    const auto table = tableOf(static_cast<std::size_t>(state.range(0)), 200);
    for (auto _ : state) benchmark::DoNotOptimize(celmora::texts::checkNearDuplicates(table, 0.35));
}
BENCHMARK(BM_NearDuplicates)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_RepeatedSentences(benchmark::State& state)
{
    const auto table = tableOf(static_cast<std::size_t>(state.range(0)), 200);
    for (auto _ : state) benchmark::DoNotOptimize(celmora::texts::checkRepeatedSentences(table));
}
BENCHMARK(BM_RepeatedSentences)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
