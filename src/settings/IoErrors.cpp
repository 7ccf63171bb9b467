#include "settings/IoErrors.h"

namespace settings {

std::string IoErrorText(unsigned long code) {
    switch (code) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    // The system's two "disk full" codes and a short write.
    case 39:
    case 101:
    case 112:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    }
    return "I/O error " + std::to_string(code);
}

} // namespace settings
