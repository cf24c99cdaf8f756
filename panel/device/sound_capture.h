#pragma once
// The platform's default sound devices for the microphone features: the level meter's capture
// (8-bit, 8000 samples a second, two 50 ms buffers queued in turn) and the record-and-play loop
// of monitoring. Buffers arrive on the window thread through a message window of their own.
// Without a sound device nothing opens and nothing arrives.
#include <windows.h>
#include <mmsystem.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class LevelCapture {
  public:
    LevelCapture();
    ~LevelCapture();
    LevelCapture(const LevelCapture&) = delete;
    LevelCapture& operator=(const LevelCapture&) = delete;

    // False when the capture device cannot be opened; opening an open capture changes nothing.
    bool Open(std::function<void(const uint8_t* samples, size_t count)> onBuffer);
    void Close();
    bool IsOpen() const { return device_ != nullptr; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Full(WAVEHDR* header);
    HWND window_ = nullptr;
    HWAVEIN device_ = nullptr;
    std::vector<uint8_t> memory_[2];
    WAVEHDR headers_[2] = {};
    std::function<void(const uint8_t*, size_t)> onBuffer_;
};

// Records the microphone into one buffer while playing it back every second through one output
// device; the recording goes to a file when it stops, and the file is removed.
class RecordLoop {
  public:
    RecordLoop();
    ~RecordLoop();
    RecordLoop(const RecordLoop&) = delete;
    RecordLoop& operator=(const RecordLoop&) = delete;

    // False when the capture device cannot be opened.
    bool Start(const std::wstring& file);
    void Stop();
    bool Running() const { return input_ != nullptr; }
    // The playback's turn: the recording so far is played again once the last play ended.
    void Replay();

  private:
    HWAVEIN input_ = nullptr;
    HWAVEOUT output_ = nullptr;
    std::vector<uint8_t> memory_;
    WAVEHDR recordHeader_ = {};
    WAVEHDR playHeader_ = {};
    bool playing_ = false;
    std::wstring file_;
    HANDLE fileHandle_ = INVALID_HANDLE_VALUE;
    HANDLE event_ = nullptr;
};
