#pragma once
// The toolkit's exceptions: raised only by strict conversions and shown by the
// application's exception dialog.
#include <exception>
#include <string>

class Exception : public std::exception {
  public:
    explicit Exception(std::wstring message);
    const std::wstring& Message() const { return message_; }
    const char* what() const noexcept override { return narrow_.c_str(); }

  private:
    std::wstring message_;
    std::string narrow_;
};

class EConvertError : public Exception {
  public:
    using Exception::Exception;
};

// The whole text must be an integer; otherwise EConvertError "'text' is not a valid integer value".
int StrToInt(const std::wstring& text);
