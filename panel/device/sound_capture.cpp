#include "device/sound_capture.h"

namespace {

const wchar_t kWindowClass[] = L"TrvLevelCapture";
const DWORD kMeterBuffer = 400;
const DWORD kRecordBuffer = 1048576;

WAVEFORMATEX Format(WORD bits) {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = 1;
    f.nSamplesPerSec = 8000;
    f.wBitsPerSample = bits;
    f.nBlockAlign = static_cast<WORD>(bits / 8);
    f.nAvgBytesPerSec = f.nSamplesPerSec * f.nBlockAlign;
    return f;
}

} // namespace

LevelCapture::LevelCapture() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kWindowClass;
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
    if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LevelCapture::~LevelCapture() {
    Close();
    if (window_) DestroyWindow(window_);
}

bool LevelCapture::Open(std::function<void(const uint8_t*, size_t)> onBuffer) {
    if (device_) return true;
    if (!window_) return false;
    WAVEFORMATEX format = Format(8);
    if (waveInOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(window_), 0,
                   CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
        device_ = nullptr;
        return false;
    }
    onBuffer_ = std::move(onBuffer);
    for (int i = 0; i < 2; ++i) {
        memory_[i].assign(kMeterBuffer, 128);
        headers_[i] = WAVEHDR{};
        headers_[i].lpData = reinterpret_cast<LPSTR>(memory_[i].data());
        headers_[i].dwBufferLength = kMeterBuffer;
        waveInPrepareHeader(device_, &headers_[i], sizeof(WAVEHDR));
        waveInAddBuffer(device_, &headers_[i], sizeof(WAVEHDR));
    }
    waveInStart(device_);
    return true;
}

void LevelCapture::Close() {
    if (!device_) return;
    HWAVEIN device = device_;
    device_ = nullptr; // buffers handed back now are not queued again
    waveInStop(device);
    waveInReset(device);
    for (WAVEHDR& header : headers_)
        waveInUnprepareHeader(device, &header, sizeof(WAVEHDR));
    waveInClose(device);
}

void LevelCapture::Full(WAVEHDR* header) {
    if (onBuffer_ && header->dwBytesRecorded > 0)
        onBuffer_(reinterpret_cast<const uint8_t*>(header->lpData), header->dwBytesRecorded);
    if (device_) waveInAddBuffer(device_, header, sizeof(WAVEHDR));
}

LRESULT CALLBACK LevelCapture::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == MM_WIM_DATA) {
        auto* self = reinterpret_cast<LevelCapture*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self) self->Full(reinterpret_cast<WAVEHDR*>(lParam));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

RecordLoop::RecordLoop() = default;

RecordLoop::~RecordLoop() {
    Stop();
}

bool RecordLoop::Start(const std::wstring& file) {
    if (input_) return true;
    event_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    WAVEFORMATEX format = Format(16);
    if (!event_ || waveInOpen(&input_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(event_),
                              0, CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        input_ = nullptr;
        if (event_) CloseHandle(event_);
        event_ = nullptr;
        return false;
    }
    file_ = file;
    fileHandle_ = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    memory_.assign(kRecordBuffer, 0);
    recordHeader_ = WAVEHDR{};
    recordHeader_.lpData = reinterpret_cast<LPSTR>(memory_.data());
    recordHeader_.dwBufferLength = kRecordBuffer;
    waveInPrepareHeader(input_, &recordHeader_, sizeof(WAVEHDR));
    waveInAddBuffer(input_, &recordHeader_, sizeof(WAVEHDR));
    waveInStart(input_);
    // One output device for the whole loop; the replays reuse it.
    if (waveOutOpen(&output_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(event_), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR)
        output_ = nullptr;
    return true;
}

void RecordLoop::Replay() {
    if (!input_ || !output_) return;
    if (playing_ && !(playHeader_.dwFlags & WHDR_DONE)) return;
    if (playing_) waveOutUnprepareHeader(output_, &playHeader_, sizeof(WAVEHDR));
    MMTIME position{};
    position.wType = TIME_BYTES;
    waveInGetPosition(input_, &position, sizeof position);
    DWORD recorded = position.wType == TIME_BYTES ? position.u.cb : 0;
    if (recorded > kRecordBuffer) recorded = kRecordBuffer;
    playing_ = false;
    if (recorded < 2) return;
    playHeader_ = WAVEHDR{};
    playHeader_.lpData = reinterpret_cast<LPSTR>(memory_.data());
    playHeader_.dwBufferLength = recorded & ~1u;
    waveOutPrepareHeader(output_, &playHeader_, sizeof(WAVEHDR));
    playing_ = waveOutWrite(output_, &playHeader_, sizeof(WAVEHDR)) == MMSYSERR_NOERROR;
}

void RecordLoop::Stop() {
    if (!input_) return;
    waveInStop(input_);
    waveInReset(input_);
    waveInUnprepareHeader(input_, &recordHeader_, sizeof(WAVEHDR));
    waveInClose(input_);
    input_ = nullptr;
    if (fileHandle_ != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(fileHandle_, memory_.data(), recordHeader_.dwBytesRecorded, &written, nullptr);
        CloseHandle(fileHandle_);
        fileHandle_ = INVALID_HANDLE_VALUE;
    }
    if (output_) {
        waveOutReset(output_);
        if (playing_) waveOutUnprepareHeader(output_, &playHeader_, sizeof(WAVEHDR));
        waveOutClose(output_);
        output_ = nullptr;
    }
    playing_ = false;
    DeleteFileW(file_.c_str());
    if (event_) CloseHandle(event_);
    event_ = nullptr;
}
