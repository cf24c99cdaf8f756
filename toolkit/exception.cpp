#include "exception.h"

#include "int_conversions.h"
#include "text_format.h"

Exception::Exception(std::wstring message) : message_(std::move(message)) {
    for (wchar_t c : message_)
        narrow_.push_back(c < 0x80 ? static_cast<char>(c) : '?');
}

int StrToInt(const std::wstring& text) {
    int value = 0;
    if (!TryStrictToInt(text, value))
        throw EConvertError(FormatText(L"'%s' is not a valid integer value", text));
    return value;
}
