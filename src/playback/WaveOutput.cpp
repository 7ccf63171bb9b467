#include "playback/WaveOutput.h"

#include "ui/Application.h"
#include "ui/WindowClass.h"

#include <algorithm>

namespace playback {
namespace {

WAVEFORMATEX Format() {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = 2;
    f.nSamplesPerSec = 44100;
    f.wBitsPerSample = 16;
    f.nBlockAlign = 4;
    f.nAvgBytesPerSec = 44100 * 4;
    return f;
}

// The device whose volume the main window's bar sets: the first with a
// volume control of its own, as the bar chooses; the system's choice when
// none has one.
UINT PlaybackDevice() {
    UINT count = waveOutGetNumDevs();
    for (UINT id = 0; id < count; ++id) {
        WAVEOUTCAPSW caps{};
        if (waveOutGetDevCapsW(id, &caps, sizeof caps) == MMSYSERR_NOERROR &&
            (caps.dwSupport & WAVECAPS_VOLUME))
            return id;
    }
    return WAVE_MAPPER;
}

} // namespace

WaveOutput::WaveOutput() {
    window_ = CreateWindowExW(0, ui::RegisterWindowClass(L"KfpWaveOutput", WindowProc), L"", 0, 0, 0, 0, 0,
                              HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_)
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WaveOutput::~WaveOutput() {
    Stop();
    if (window_)
        DestroyWindow(window_);
}

bool WaveOutput::Start(Source source) {
    source_ = std::move(source);
    if (device_)
        return true;
    WAVEFORMATEX format = Format();
    if (!window_ || waveOutOpen(&device_, PlaybackDevice(), &format, reinterpret_cast<DWORD_PTR>(window_), 0,
                                CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
        device_ = nullptr;
        return false;
    }
    written_ = 0;
    for (size_t i = 0; i < BufferCount; ++i) {
        buffers_[i].assign(BufferFrames * 2, 0);
        headers_[i] = WAVEHDR{};
        headers_[i].lpData = reinterpret_cast<LPSTR>(buffers_[i].data());
        headers_[i].dwBufferLength = static_cast<DWORD>(buffers_[i].size() * sizeof(int16_t));
        waveOutPrepareHeader(device_, &headers_[i], sizeof(WAVEHDR));
        Refill(headers_[i]);
    }
    return true;
}

void WaveOutput::Stop() {
    if (!device_)
        return;
    HWAVEOUT device = device_;
    device_ = nullptr; // the buffers handed back by the reset are not refilled
    waveOutReset(device);
    for (WAVEHDR& header : headers_)
        waveOutUnprepareHeader(device, &header, sizeof(WAVEHDR));
    waveOutClose(device);
}

void WaveOutput::Refill(WAVEHDR& header) {
    auto* samples = reinterpret_cast<int16_t*>(header.lpData);
    std::span<int16_t> out(samples, header.dwBufferLength / sizeof(int16_t));
    if (source_)
        source_(out);
    else
        std::fill(out.begin(), out.end(), int16_t{0});
    written_ += out.size() / 2;
    waveOutWrite(device_, &header, sizeof(WAVEHDR));
}

bool WaveOutput::Owns(const WAVEHDR* header) const {
    return std::any_of(headers_.begin(), headers_.end(), [header](const WAVEHDR& h) { return &h == header; });
}

size_t WaveOutput::Pending() const {
    if (!device_)
        return 0;
    MMTIME time{};
    time.wType = TIME_SAMPLES;
    if (waveOutGetPosition(device_, &time, sizeof time) != MMSYSERR_NOERROR || time.wType != TIME_SAMPLES)
        return BufferCount * BufferFrames;
    return written_ > time.u.sample ? static_cast<size_t>(written_ - time.u.sample) : 0;
}

LRESULT CALLBACK WaveOutput::WindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != MM_WOM_DONE)
        return DefWindowProcW(window, msg, wp, lp);
    auto* self = reinterpret_cast<WaveOutput*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    auto* header = reinterpret_cast<WAVEHDR*>(lp);
    // A buffer returned by a device since closed (or by Stop's reset) is
    // left alone; so is one already queued again by a new start.
    if (self && self->device_ && reinterpret_cast<HWAVEOUT>(wp) == self->device_ && self->Owns(header) &&
        (header->dwFlags & WHDR_DONE) && !(header->dwFlags & WHDR_INQUEUE))
        ui::App().Guard([&] { self->Refill(*header); });
    return 0;
}

} // namespace playback
