#include "media_player.h"

#include <windows.h>
#include <mmsystem.h>

#include <cwchar>

namespace {
bool Send(const std::wstring& command, std::wstring* answer = nullptr) {
    wchar_t buffer[64] = L"";
    MCIERROR error = mciSendStringW(command.c_str(), buffer, 64, nullptr);
    if (answer) *answer = buffer;
    return error == 0;
}
} // namespace

MediaPlayer::MediaPlayer() {
    static unsigned next = 0;
    alias_ = L"trvplayer" + std::to_wstring(++next);
}

MediaPlayer::~MediaPlayer() {
    Close();
}

bool MediaPlayer::Open(const std::wstring& fileName) {
    Close();
    fileName_ = fileName;
    open_ = Send(L"open \"" + fileName + L"\" type waveaudio alias " + alias_) &&
            Send(L"set " + alias_ + L" time format milliseconds");
    if (!open_) Send(L"close " + alias_);
    return open_;
}

bool MediaPlayer::Play() {
    return open_ && Send(L"play " + alias_ + L" from 0");
}

void MediaPlayer::Close() {
    if (open_) Send(L"close " + alias_);
    open_ = false;
}

long MediaPlayer::Status(const wchar_t* item) const {
    std::wstring answer;
    if (!open_ || !Send(L"status " + alias_ + L" " + item, &answer)) return 0;
    return std::wcstol(answer.c_str(), nullptr, 10);
}

long MediaPlayer::Position() const {
    return Status(L"position");
}

long MediaPlayer::Length() const {
    return Status(L"length");
}
