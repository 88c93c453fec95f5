// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/ChartRecordFields.h"

#include <cstddef>
#include <utility>

namespace celmora::core {

namespace {

// Converts to any field type: brace-initialising ChartRecord with n of these compiles
// exactly when the record has at least n fields.
struct AnyField {
    template <class T>
    operator T() const;  // NOLINT: implicit by design; declared only, never called
};

template <class T, std::size_t... I>
constexpr bool initialisableWith(std::index_sequence<I...>)
{
    return requires { T{(static_cast<void>(I), AnyField{})...}; };
}

template <class T, std::size_t N = 0>
constexpr std::size_t aggregateFieldCount()
{
    if constexpr (!initialisableWith<T>(std::make_index_sequence<N + 1>{})) {
        return N;
    } else {
        return aggregateFieldCount<T, N + 1>();
    }
}

static_assert(std::is_aggregate_v<ChartRecord>);
static_assert(aggregateFieldCount<ChartRecord>() == static_cast<std::size_t>(chartFieldCount),
              "every ChartRecord field must be listed in CELMORA_CHART_RECORD_FIELDS");

}  // namespace

void clearChartRecord(ChartRecord& record)
{
    forEachChartField(record, [](const char*, auto& field) { field = std::remove_cvref_t<decltype(field)>{}; });
}

}  // namespace celmora::core
