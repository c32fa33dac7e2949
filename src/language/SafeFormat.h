#pragma once
// printf-style formatting for format strings that come from language files. A translator's
// string is data, not code: only conversions whose letter fits the kind of the next supplied
// argument are substituted; everything else (%n, %p, '*' widths, a missing or mismatched
// argument, a lone '%') is copied literally and consumes no argument.
#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace zentyra {

class FormatArg {
public:
    enum class Kind { Integer, Real, Text };

    template <std::integral T>
    requires(!std::same_as<T, bool>)
        FormatArg(T value) // NOLINT: implicit by design, used in initializer lists
        : kind_(Kind::Integer), isUnsigned_(std::is_unsigned_v<T>),
          integer_(static_cast<long long>(value)),
          unsignedInteger_(static_cast<unsigned long long>(value)) {}
    FormatArg(bool value) : FormatArg(value ? 1 : 0) {}
    FormatArg(double value) : kind_(Kind::Real), real_(value) {}
    FormatArg(float value) : FormatArg(static_cast<double>(value)) {}
    FormatArg(std::string_view text) : kind_(Kind::Text), text_(text) {}
    FormatArg(const char* text) : kind_(Kind::Text), text_(text ? text : "") {}
    FormatArg(const std::string& text) : kind_(Kind::Text), text_(text) {}

    Kind kind() const { return kind_; }
    bool isUnsigned() const { return isUnsigned_; }
    long long integer() const { return integer_; }
    unsigned long long unsignedInteger() const { return unsignedInteger_; }
    double real() const { return real_; }
    std::string_view text() const { return text_; }

private:
    Kind kind_;
    bool isUnsigned_ = false;
    long long integer_ = 0;
    unsigned long long unsignedInteger_ = 0;
    double real_ = 0.0;
    std::string_view text_;
};

// Widths and precisions above this are clamped, so a format cannot request huge output.
inline constexpr int kSafeFormatMaxWidth = 1024;

std::string SafeFormat(std::string_view format, std::initializer_list<FormatArg> args);

} // namespace zentyra
