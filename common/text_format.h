#pragma once
// printf-style formatting of wide text, with the conventions of the platform's wide
// printf family: %s takes a wide string. Arguments are checked at compile time by type.
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

struct FormatArg {
    enum Kind { Signed, Unsigned, Wide, Narrow, Pointer, Real } kind;
    long long i = 0;
    unsigned long long u = 0;
    double d = 0;
    std::wstring text;
    std::string narrow;

    template <typename T, std::enable_if_t<std::is_integral_v<T> && std::is_signed_v<T>, int> = 0>
    FormatArg(T v) : kind(Signed), i(v) {}
    template <typename T, std::enable_if_t<std::is_integral_v<T> && !std::is_signed_v<T>, int> = 0>
    FormatArg(T v) : kind(Unsigned), u(v) {}
    template <typename T, std::enable_if_t<std::is_enum_v<T>, int> = 0>
    FormatArg(T v) : kind(Signed), i(static_cast<long long>(v)) {}
    FormatArg(double v) : kind(Real), d(v) {}
    FormatArg(const wchar_t* s) : kind(Wide), text(s ? s : L"(null)") {}
    FormatArg(const std::wstring& s) : kind(Wide), text(s) {}
    FormatArg(const char* s) : kind(Narrow), narrow(s ? s : "(null)") {}
    FormatArg(const std::string& s) : kind(Narrow), narrow(s) {}
    FormatArg(const void* p) : kind(Pointer), u(reinterpret_cast<std::uintptr_t>(p)) {}
};

std::wstring FormatTextArgs(const wchar_t* format, const std::vector<FormatArg>& args);

template <typename... Args> std::wstring FormatText(const wchar_t* format, const Args&... args) {
    return FormatTextArgs(format, std::vector<FormatArg>{FormatArg(args)...});
}
