#pragma once
// Small file-system facts the steps and the wizard ask.
#include <string>

// The first entry of a folder's listing, in listing order, that is not a folder and whose
// name does not begin with a full stop; empty when there is none. folder ends in a backslash.
std::wstring FirstRegularFile(const std::wstring& folder);

// Gives a file or folder the normal attribute set (read-only, hidden and the like cleared).
void SetNormalAttributes(const std::wstring& path);

// File-system redirection off for this thread while it lives, when the flag asks for it:
// only a 32-bit program on a 64-bit system has redirection to turn off.
class RedirectionOff {
  public:
    explicit RedirectionOff(bool is64);
    ~RedirectionOff();
    RedirectionOff(const RedirectionOff&) = delete;
    RedirectionOff& operator=(const RedirectionOff&) = delete;

  private:
    bool active_;
    void* previous_ = nullptr;
};
