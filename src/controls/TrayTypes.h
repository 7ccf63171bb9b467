#pragma once

#include <cstdint>
#include <initializer_list>

namespace controls {

// How the tray icon and the application show themselves; see TTrayIcon.
enum class TTrayVisibility {
    tvVisibleTaskBar,  // the application has a taskbar button
    tvVisibleTaskList, // kept for stored layouts; this system has no task-list registration
    tvAutoHide,        // minimising the application hides it to the tray
    tvAutoHideIcon,    // the icon shows only while the application is hidden
    tvVisibleDesign,   // kept for stored layouts; no effect at run time
    tvRestoreClick,    // a left click on the icon brings a hidden application back
    tvRestoreDbClick,  // so does a left double-click
    tvMinimizeClick,   // a left click hides a visible application
    tvMinimizeDbClick, // so does a left double-click
    tvAnimateToTray,   // hiding and restoring draw the caption flying to and from the tray
    tvNoRetryOnFailure // a failed shell request is not tried again
};

class TTrayVisibilities {
public:
    constexpr TTrayVisibilities(std::initializer_list<TTrayVisibility> flags) {
        for (TTrayVisibility flag : flags)
            Include(flag);
    }
    constexpr bool Has(TTrayVisibility flag) const { return (bits_ & Bit(flag)) != 0; }
    constexpr void Include(TTrayVisibility flag) { bits_ |= Bit(flag); }
    constexpr void Exclude(TTrayVisibility flag) { bits_ &= ~Bit(flag); }
    friend constexpr bool operator==(TTrayVisibilities, TTrayVisibilities) = default;

private:
    static constexpr uint32_t Bit(TTrayVisibility flag) { return 1u << static_cast<int>(flag); }
    uint32_t bits_ = 0;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Keys and mouse buttons held down while a mouse event happens.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32;

} // namespace controls
