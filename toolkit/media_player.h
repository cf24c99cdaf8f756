#pragma once
// A media player for one sound file (the platform's media control interface): open, play from
// the start, where it is and how long the track is, close.
#include <string>

class MediaPlayer {
  public:
    MediaPlayer();
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // False when the file cannot be opened (missing, or no sound device).
    bool Open(const std::wstring& fileName);
    bool Play();
    void Close();
    bool IsOpen() const { return open_; }
    const std::wstring& FileName() const { return fileName_; }
    // In milliseconds; 0 when closed.
    long Position() const;
    long Length() const;

  private:
    long Status(const wchar_t* item) const;
    std::wstring alias_;
    std::wstring fileName_;
    bool open_ = false;
};
