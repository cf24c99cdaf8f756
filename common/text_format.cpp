#include "text_format.h"

#include <cstdio>

namespace {

struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    bool leftAlign = false;
};

std::wstring Widen(const std::string& s) {
    std::wstring out;
    out.reserve(s.size());
    for (unsigned char c : s) out.push_back(static_cast<wchar_t>(c));
    return out;
}

std::wstring Pad(std::wstring s, const Directive& directive) {
    if (directive.width > 0 && static_cast<int>(s.size()) < directive.width) {
        std::wstring fill(directive.width - s.size(), L' ');
        s = directive.leftAlign ? s + fill : fill + s;
    }
    return s;
}

// Numbers go through the C library with a narrow format, so widths, flags and precision
// behave exactly as printf does.
std::wstring FormatNumber(const Directive& directive, char conversion, const FormatArg& arg) {
    std::string fmt = "%" + directive.flags;
    if (directive.width >= 0) fmt += std::to_string(directive.width);
    if (directive.precision >= 0) fmt += "." + std::to_string(directive.precision);
    char buffer[512];
    switch (conversion) {
    case 'd':
    case 'i': {
        long long v = arg.kind == FormatArg::Signed ? arg.i : static_cast<long long>(arg.u);
        if (arg.kind == FormatArg::Real) v = static_cast<long long>(arg.d);
        std::snprintf(buffer, sizeof buffer, (fmt + "lld").c_str(), v);
        break;
    }
    case 'u':
    case 'x':
    case 'X':
    case 'o': {
        // A negative 32-bit value prints as its 32-bit pattern, as with a plain int argument.
        unsigned long long v = arg.u;
        if (arg.kind == FormatArg::Signed)
            v = (arg.i < 0 && arg.i >= INT32_MIN) ? static_cast<uint32_t>(arg.i)
                                                  : static_cast<unsigned long long>(arg.i);
        std::snprintf(buffer, sizeof buffer, (fmt + "ll" + conversion).c_str(), v);
        break;
    }
    case 'p':
        std::snprintf(buffer, sizeof buffer, "%0*llX", static_cast<int>(sizeof(void*) * 2),
                      static_cast<unsigned long long>(arg.u));
        break;
    default: {
        double v = arg.kind == FormatArg::Real     ? arg.d
                   : arg.kind == FormatArg::Signed ? static_cast<double>(arg.i)
                                                   : static_cast<double>(arg.u);
        std::snprintf(buffer, sizeof buffer, (fmt + conversion).c_str(), v);
    }
    }
    return Widen(buffer);
}

std::wstring FormatString(const Directive& directive, const FormatArg& arg) {
    std::wstring s;
    switch (arg.kind) {
    case FormatArg::Wide: s = arg.text; break;
    case FormatArg::Narrow: s = Widen(arg.narrow); break;
    default: s = FormatNumber(Directive{}, 'd', arg);
    }
    if (directive.precision >= 0 && static_cast<int>(s.size()) > directive.precision) s.resize(directive.precision);
    return Pad(s, directive);
}

std::wstring FormatChar(const Directive& directive, const FormatArg& arg) {
    wchar_t c = static_cast<wchar_t>(arg.kind == FormatArg::Signed ? arg.i : arg.u);
    return Pad(std::wstring(1, c), directive);
}

} // namespace

std::wstring FormatTextArgs(const wchar_t* format, const std::vector<FormatArg>& args) {
    std::wstring out;
    size_t next = 0;
    for (const wchar_t* p = format; *p; ++p) {
        if (*p != L'%') {
            out.push_back(*p);
            continue;
        }
        const wchar_t* start = p++;
        if (*p == L'%') {
            out.push_back(L'%');
            continue;
        }
        Directive directive;
        while (*p && std::wstring(L"-+ #0").find(*p) != std::wstring::npos) {
            if (*p == L'-') directive.leftAlign = true;
            directive.flags.push_back(static_cast<char>(*p++));
        }
        auto readNumber = [&](int& target) {
            if (*p == L'*') {
                target = next < args.size() ? static_cast<int>(args[next++].i) : 0;
                ++p;
                return;
            }
            if (*p < L'0' || *p > L'9') return;
            target = 0;
            while (*p >= L'0' && *p <= L'9') target = target * 10 + (*p++ - L'0');
        };
        readNumber(directive.width);
        if (*p == L'.') {
            ++p;
            directive.precision = 0;
            readNumber(directive.precision);
        }
        // Length modifiers carry no information here: the argument knows its own type.
        while (*p == L'h' || *p == L'l' || *p == L'L' || *p == L'z' || *p == L'j' || *p == L't' ||
               *p == L'I' || *p == L'6' || *p == L'4' || *p == L'3' || *p == L'2')
            ++p;
        if (!*p) {
            out.append(start);
            break;
        }
        wchar_t conversion = *p;
        if (next >= args.size()) {
            // A missing argument prints the directive itself rather than reading garbage.
            out.append(start, p + 1);
            continue;
        }
        const FormatArg& arg = args[next++];
        switch (conversion) {
        case L's':
        case L'S': out += FormatString(directive, arg); break;
        case L'c':
        case L'C': out += FormatChar(directive, arg); break;
        case L'd':
        case L'i':
        case L'u':
        case L'x':
        case L'X':
        case L'o':
        case L'p':
        case L'f':
        case L'e':
        case L'g':
        case L'E':
        case L'G': out += FormatNumber(directive, static_cast<char>(conversion), arg); break;
        default: out.append(start, p + 1); --next;
        }
    }
    return out;
}
