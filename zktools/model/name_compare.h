// The one name comparison of the model, shared by the table and the label lists.
#ifndef ZKTOOLS_MODEL_NAME_COMPARE_H
#define ZKTOOLS_MODEL_NAME_COMPARE_H

#include <cstddef>
#include <string_view>

namespace zkmodel_detail {

constexpr unsigned char UpperAscii(unsigned char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}

constexpr bool EndAt(std::string_view s, std::size_t i) noexcept {
    return i >= s.size();
}
constexpr bool EndAt(const char* s, std::size_t i) noexcept {
    return s[i] == 0;
}

// Upper-cased byte differences; a text that ends first is the smaller. A NUL inside a view is
// a byte of the name, so such a name never matches a table text. Table texts are walked up
// to their NUL without being measured first.
template <typename A, typename B> constexpr int CompareNoCase(A a, B b) noexcept {
    for (std::size_t i = 0;; ++i) {
        const bool endA = EndAt(a, i);
        const bool endB = EndAt(b, i);
        if (endA || endB) {
            if (endA && endB) {
                return 0;
            }
            const int rest = endA ? -UpperAscii(static_cast<unsigned char>(b[i]))
                                  : UpperAscii(static_cast<unsigned char>(a[i]));
            return rest != 0 ? rest : (endA ? -1 : 1);
        }
        const int diff = static_cast<int>(UpperAscii(static_cast<unsigned char>(a[i]))) -
                         static_cast<int>(UpperAscii(static_cast<unsigned char>(b[i])));
        if (diff != 0) {
            return diff;
        }
    }
}

} // namespace zkmodel_detail

#endif
