#pragma once

#include "swf/script/Value.h"

#include <memory>
#include <string>
#include <vector>

namespace swf::script {

// The state one block of actions runs in: its scope chain, `this`, the clip
// that timeline actions address, registers and the constant pool.
struct Activation {
    // Searched from the back: `with` objects and a function's locals on top
    // of the clip the code belongs to. _global is searched after them all.
    std::vector<ObjectPtr> Scopes;
    ObjectPtr Locals; // a function's own variables; null for frame actions
    Value This;
    ObjectPtr Target;     // the clip timeline actions address (setTarget changes it)
    ObjectPtr Home;       // the clip the code belongs to
    ObjectPtr Callee;     // the function running, if any
    std::vector<Value> Registers = std::vector<Value>(4);
    std::shared_ptr<const std::vector<std::string>> Constants;
    int Version = 0;
};

} // namespace swf::script
