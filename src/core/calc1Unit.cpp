// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/calc1Unit.h"

#include "platform/Checked.h"
#include "platform/Errors.h"

namespace celmora::core {

namespace {

const platform::Array1<std::string, 1, 12>& signNameTable()
{
    static const platform::Array1<std::string, 1, 12> table = [] {
        platform::Array1<std::string, 1, 12> t;
        for (int i = 1; i <= 12; ++i) t[i] = std::string(signNames[static_cast<std::size_t>(i - 1)]);
        return t;
    }();
    return table;
}

}  // namespace

const std::string& signName(int sign)
{
    return signNameTable()[sign];
}

SignIndex seiza2id(std::string_view name)
{
    for (int i = 1; i <= 12; ++i) {
        if (signNames[static_cast<std::size_t>(i - 1)] == name) return SignIndex(i);
    }
    throw platform::CommandError("seiza2id error : " + std::string(name));
}

SignIndex OppositeSign(int sign)
{
    platform::checkedRange(sign, 1, 12, "星座番号");
    return SignIndex(sign + 6 <= 12 ? sign + 6 : sign - 6);
}

const std::string& OppositeSignName(std::string_view name)
{
    return signName(OppositeSign(seiza2id(name)));
}

}  // namespace celmora::core
