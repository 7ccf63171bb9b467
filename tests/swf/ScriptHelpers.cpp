#include "ScriptHelpers.h"

namespace testing_swf {

ScriptRun RunMovie(const std::vector<uint8_t>& movie, int frames) {
    ScriptRun run;
    swf::Player player;
    player.OnTrace = [&run](const std::string& line) { run.Lines.push_back(line); };
    player.OnScriptError = [&run](const std::string& message) { run.Errors.push_back(message); };
    player.ScriptTimeLimit = std::chrono::milliseconds(200);
    player.Load(movie);
    for (int i = 1; i < frames; ++i)
        player.Advance();
    return run;
}

void DoAction(swfw::MovieWriter& w, const ActionAssembler& actions) {
    w.Tag(swfw::code::DoAction, actions.Bytes());
}

std::vector<uint8_t> ActionMovie(const ActionAssembler& actions, uint8_t version) {
    swfw::MovieWriter w(version, {0, 2000, 0, 2000}, 12);
    DoAction(w, actions);
    w.ShowFrame();
    return w.Build();
}

std::vector<std::string> Traces(const ActionAssembler& actions, uint8_t version) {
    return RunMovie(ActionMovie(actions, version)).Lines;
}

void DefineScriptedSprite(swfw::MovieWriter& w, uint16_t id, const std::vector<ActionAssembler>& frames) {
    swfw::MovieWriter sprite(8, {}, 12);
    for (const ActionAssembler& a : frames) {
        if (!a.Code().empty())
            DoAction(sprite, a);
        sprite.ShowFrame();
    }
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(id, sprite));
}

void Export(swfw::MovieWriter& w, uint16_t id, const std::string& name) {
    std::vector<uint8_t> body{1, 0, uint8_t(id), uint8_t(id >> 8)};
    body.insert(body.end(), name.begin(), name.end());
    body.push_back(0);
    w.Tag(swf::tagcode::ExportAssets, body);
}

void PlaceNamed(swfw::MovieWriter& w, uint16_t depth, uint16_t id, const std::string& name) {
    swfw::Place p;
    p.Depth = depth;
    p.CharacterId = id;
    p.Name = name;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(p));
}

} // namespace testing_swf
