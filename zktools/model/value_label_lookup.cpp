#include "zktools/model/name_compare.h"
#include "zktools/model/symbol_table.h"

#include <charconv>
#include <cmath>
#include <cstring>

using zkmodel_detail::CompareNoCase;

namespace {

std::optional<std::string_view> Text(const char* text) noexcept {
    if (text == nullptr) {
        return std::nullopt;
    }
    return std::string_view(text);
}

// Tokens are written with "." whatever the locale; from_chars ignores the locale.
float TokenNumber(const char* token) noexcept {
    if (token == nullptr) {
        return 0.0f;
    }
    const char* end = token + std::strlen(token);
    float value = 0.0f;
    const auto [ptr, ec] = std::from_chars(token, end, value);
    return (ec == std::errc() && ptr == end) ? value : 0.0f;
}

} // namespace

const ValueLabelList* SymbolTable::FindLabelList(std::string_view list) noexcept {
    for (const ValueLabelList* l = LabelLists; l->Name != nullptr; ++l) {
        if (CompareNoCase(list, l->Name) == 0) {
            return l;
        }
    }
    return nullptr;
}

std::optional<std::string_view> SymbolTable::GetToken(std::string_view list, int32_t key) noexcept {
    if (const ValueLabelList* l = FindLabelList(list)) {
        for (const ValueLabel* e = l->Labels; e->Key != -1; ++e) {
            if (e->Key == key) {
                return Text(e->Token);
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> SymbolTable::GetLabel(std::string_view list, int32_t key) noexcept {
    if (const ValueLabelList* l = FindLabelList(list)) {
        for (const ValueLabel* e = l->Labels; e->Key != -1; ++e) {
            if (e->Key == key) {
                return Text(e->Label);
            }
        }
    }
    return std::nullopt;
}

int32_t SymbolTable::GetKeyByToken(std::string_view list, std::string_view token) noexcept {
    const ValueLabelList* l = FindLabelList(list);
    if (l == nullptr) {
        return -1;
    }
    for (const ValueLabel* e = l->Labels; e->Token != nullptr; ++e) {
        if (CompareNoCase(token, e->Token) == 0) {
            return e->Key;
        }
    }
    return 0;
}

int32_t SymbolTable::GetKeyByLabel(std::string_view list, std::string_view label) noexcept {
    const ValueLabelList* l = FindLabelList(list);
    if (l == nullptr) {
        return -1;
    }
    for (const ValueLabel* e = l->Labels; e->Label != nullptr; ++e) {
        if (CompareNoCase(label, e->Label) == 0) {
            return e->Key;
        }
    }
    return 0;
}

void SymbolTable::FillLabels(std::string_view list, std::vector<std::string>& strings) {
    if (const ValueLabelList* l = FindLabelList(list)) {
        for (const ValueLabel* e = l->Labels; e->Key != -1; ++e) {
            strings.emplace_back(e->Label != nullptr ? e->Label : "");
        }
    }
}

void SymbolTable::FillLabelsUpTo(std::string_view list, std::vector<std::string>& strings,
                                 int32_t highestKey) {
    strings.clear();
    if (const ValueLabelList* l = FindLabelList(list)) {
        for (const ValueLabel* e = l->Labels; e->Key != -1 && e->Key <= highestKey; ++e) {
            strings.emplace_back(e->Label != nullptr ? e->Label : "");
        }
    }
}

int32_t SymbolTable::NearestKey(std::string_view list, float x) noexcept {
    const ValueLabelList* l = FindLabelList(list);
    if (l == nullptr || l->Labels[0].Key == -1) {
        return -1;
    }
    const ValueLabel* e = l->Labels;
    if (std::isnan(x) || x < TokenNumber(e[0].Token)) {
        return e[0].Key;
    }
    std::size_t i = 1;
    for (; e[i].Key != -1; ++i) {
        const float t = TokenNumber(e[i].Token);
        if (x >= t) {
            continue;
        }
        const float p = TokenNumber(e[i - 1].Token);
        // Subtracting in double keeps a near tie from being rounded into a tie.
        const double below = static_cast<double>(x) - p;
        const double above = static_cast<double>(t) - x;
        return below <= above ? e[i - 1].Key : e[i].Key;
    }
    return e[i - 1].Key;
}

int32_t SymbolTable::FloorKey(std::string_view list, float x) noexcept {
    const ValueLabelList* l = FindLabelList(list);
    if (l == nullptr || l->Labels[0].Key == -1) {
        return -1;
    }
    const ValueLabel* e = l->Labels;
    if (std::isnan(x)) {
        return e[0].Key;
    }
    std::size_t i = 0;
    for (; e[i].Key != -1; ++i) {
        const float t = TokenNumber(e[i].Token);
        if (t == x) {
            return e[i].Key;
        }
        if (t > x) {
            return i == 0 ? e[0].Key : e[i - 1].Key;
        }
    }
    return e[i - 1].Key;
}
