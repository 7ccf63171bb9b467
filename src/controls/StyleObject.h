#pragma once

#include <functional>

namespace controls {

// The change notification that the style objects share: their setters
// store a value and raise OnChange.
class TStyleObject {
public:
    std::function<void()> OnChange;

protected:
    void Changed() const {
        if (OnChange)
            OnChange();
    }
    template <class T> void Set(T& field, T value) {
        field = value;
        Changed();
    }
};

} // namespace controls
