#pragma once

#include "swf/script/Object.h"

#include <string>

namespace swf::script {

class Vm;

namespace builtins {

// Starts loading the text at `url` for an XML or LoadVars object: on a
// later tick its _bytesLoaded and _bytesTotal give the size and its onData
// hears the text, or undefined when the file cannot be had. False when
// nothing can be loaded.
bool StartTextLoad(Vm& vm, const Value& target, const std::string& url);

// The methods XML and LoadVars share: load, sendAndLoad (which fails, as
// there is no server to send to), send, getBytesLoaded, getBytesTotal and
// addRequestHeader.
void InstallLoadMethods(Vm& vm, const ObjectPtr& proto);

} // namespace builtins
} // namespace swf::script
