#include "ui/ErrorText.h"

namespace ui {

std::wstring ErrorBoxText(std::wstring message) {
    if (!message.empty() && message.back() > L'.')
        message += L'.';
    return message;
}

} // namespace ui
