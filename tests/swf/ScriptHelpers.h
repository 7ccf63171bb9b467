#pragma once

#include "swf/Player.h"
#include "swf/script/ActionCodes.h"
#include "swf/script/ClipObject.h"
#include "swf/script/Function.h"
#include "swfwriter/ActionAssembler.h"
#include "swfwriter/TagBodies.h"

#include <string>
#include <vector>

namespace testing_swf {

namespace act = swf::action;
using swfw::ActionAssembler;

// What a movie traced, and the messages about scripts it stopped.
struct ScriptRun {
    std::vector<std::string> Lines;
    std::vector<std::string> Errors;
};

// Plays the movie for `frames` frames (the first one included).
ScriptRun RunMovie(const std::vector<uint8_t>& movie, int frames = 1);

// A one-frame movie of the given version running the actions.
std::vector<uint8_t> ActionMovie(const ActionAssembler& actions, uint8_t version = 8);

// The trace lines of those actions.
std::vector<std::string> Traces(const ActionAssembler& actions, uint8_t version = 8);

// A DoAction tag.
void DoAction(swfw::MovieWriter& w, const ActionAssembler& actions);

// Defines sprite `id` whose frames each run the given actions (an empty
// assembler for a frame without any).
void DefineScriptedSprite(swfw::MovieWriter& w, uint16_t id, const std::vector<ActionAssembler>& frames);

// Exports a character by name (ExportAssets).
void Export(swfw::MovieWriter& w, uint16_t id, const std::string& name);

// Places a character with an instance name.
void PlaceNamed(swfw::MovieWriter& w, uint16_t depth, uint16_t id, const std::string& name);

} // namespace testing_swf
