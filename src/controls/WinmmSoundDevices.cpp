#include "controls/WinmmSoundDevices.h"

#include <windows.h>

#include <mmsystem.h>

#include <type_traits>

namespace controls {
namespace {

// The four library functions of one device class and the bit of its
// capabilities that says the device has a volume control.
template <class Caps, class Handle> struct WinmmFunctions {
    UINT(WINAPI* Count)();
    MMRESULT(WINAPI* GetCaps)(UINT_PTR, Caps*, UINT);
    MMRESULT(WINAPI* GetVolume)(Handle, DWORD*);
    MMRESULT(WINAPI* SetVolume)(Handle, DWORD);
    DWORD VolumeBit;
};

// Wave and MIDI output take a device number where a handle is declared.
template <class Handle> Handle AsDevice(int device) {
    if constexpr (std::is_pointer_v<Handle>)
        return reinterpret_cast<Handle>(static_cast<UINT_PTR>(device));
    else
        return static_cast<Handle>(device);
}

template <class Caps, class Handle> class WinmmDeviceClass final : public SoundDeviceClass {
public:
    explicit WinmmDeviceClass(WinmmFunctions<Caps, Handle> functions) : functions_(functions) {}

    int Count() override { return static_cast<int>(functions_.Count()); }

    bool SupportsVolume(int device) override {
        // The call's result is not looked at: a device that gives no
        // capabilities leaves them zero, so it has no volume bit.
        Caps caps{};
        functions_.GetCaps(static_cast<UINT_PTR>(device), &caps, sizeof caps);
        return (caps.dwSupport & functions_.VolumeBit) != 0;
    }

    bool GetLevel(int device, uint32_t& level) override {
        DWORD value = 0;
        if (functions_.GetVolume(AsDevice<Handle>(device), &value) != MMSYSERR_NOERROR)
            return false;
        level = value;
        return true;
    }

    void SetLevel(int device, uint32_t level) override {
        functions_.SetVolume(AsDevice<Handle>(device), level);
    }

private:
    WinmmFunctions<Caps, Handle> functions_;
};

template <class Caps, class Handle>
std::unique_ptr<SoundDeviceClass> MakeClass(WinmmFunctions<Caps, Handle> f) {
    return std::make_unique<WinmmDeviceClass<Caps, Handle>>(f);
}

} // namespace

TSoundDevices SystemSoundDevices() {
    return {
        MakeClass<MIDIOUTCAPSA, HMIDIOUT>(
            {midiOutGetNumDevs, midiOutGetDevCapsA, midiOutGetVolume, midiOutSetVolume, MIDICAPS_VOLUME}),
        MakeClass<AUXCAPSA, UINT>(
            {auxGetNumDevs, auxGetDevCapsA, auxGetVolume, auxSetVolume, AUXCAPS_VOLUME}),
        MakeClass<WAVEOUTCAPSA, HWAVEOUT>(
            {waveOutGetNumDevs, waveOutGetDevCapsA, waveOutGetVolume, waveOutSetVolume, WAVECAPS_VOLUME}),
    };
}

} // namespace controls
