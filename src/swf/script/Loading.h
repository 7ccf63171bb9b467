#pragma once

#include "swf/script/Object.h"

#include <functional>
#include <optional>
#include <string>

namespace swf::script {

class Scope;
class Vm;

namespace builtins {

// Starts loading the text at `url` for an XML or LoadVars object: on a
// later tick its _bytesLoaded and _bytesTotal give the size and its onData
// hears the text, or undefined when the file cannot be had. False when
// nothing can be loaded.
bool StartTextLoad(Vm& vm, const Value& target, const std::string& url);

// Sets the variables of form data ("a=1&b=two+words") on the object, in
// the order they come.
void DecodeForm(Vm& vm, const Value& target, const std::string& form);

// What a movie load tells on its way (MovieClipLoader listens): the file
// arrived (its size), the loaded clip ran its first frame, or the load
// failed. Each gets the clip the movie plays in.
struct LoadReport {
    std::function<void(const ObjectPtr& clip, size_t bytes)> Arrived;
    std::function<void(const ObjectPtr& clip)> Initialized;
    std::function<void(const ObjectPtr& clip)> Failed;
};

// Loads the movie or image at `url` into the clip on a later tick: the
// clip keeps its place, name and transform and plays the loaded movie with
// its own characters. An empty url unloads the clip's content.
bool LoadMovieInto(Vm& vm, const ObjectPtr& clip, const std::string& url, LoadReport report = {});
// Sets the variables of the form data at `url` on the clip, on a later tick.
bool LoadVariablesInto(Vm& vm, const ObjectPtr& clip, const std::string& url);
// The level a target names ("_level2", or a number), if it names one.
std::optional<int> LevelOf(Vm& vm, const Value& target);
// GetURL and GetURL2: loadMovie, loadMovieNum, unloadMovie, loadVariables
// and loadVariablesNum. Browser windows and FSCommands do nothing here.
void GetUrl(Vm& vm, Scope& scope, const std::string& url, const Value& target, uint8_t flags);
// MovieClip.loadMovie, unloadMovie and loadVariables.
void InstallClipLoadMethods(Vm& vm, const ObjectPtr& proto);

// The default onData of XML and LoadVars: the text (undefined for a failed
// load) is used, `loaded` set, then onLoad hears whether there was any.
void FinishTextLoad(Vm& vm, const Value& self, const Value& text,
                    const std::function<void(const std::string&)>& use);

// The methods XML and LoadVars share: load, sendAndLoad (which fails, as
// there is no server to send to), send, getBytesLoaded, getBytesTotal and
// addRequestHeader.
void InstallLoadMethods(Vm& vm, const ObjectPtr& proto);

} // namespace builtins
} // namespace swf::script
