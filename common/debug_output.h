#pragma once
// The programs' only log: formatted wide text written to the platform's debug output.
#include "text_format.h"

#include <string>
#include <vector>

void WriteDebugText(const std::wstring& text);

template <typename... Args> void DebugPrint(const wchar_t* format, const Args&... args) {
    WriteDebugText(FormatText(format, args...));
}

// While one exists, every write is also kept here, so a test can assert on the exact texts.
class DebugCapture {
  public:
    DebugCapture();
    ~DebugCapture();
    DebugCapture(const DebugCapture&) = delete;
    DebugCapture& operator=(const DebugCapture&) = delete;

    std::vector<std::wstring> Writes() const;
    std::wstring Text() const;
    bool Contains(const std::wstring& text) const;

  private:
    friend void WriteDebugText(const std::wstring& text);
    void Add(const std::wstring& text);
    DebugCapture* previous_;
    std::vector<std::wstring> writes_;
};
