#include "swf/ButtonInput.h"

#include "swf/script/ClipObject.h"

#include <utility>

namespace swf {
namespace {

struct TransitionInfo {
    uint16_t Condition;
    uint32_t ClipEvent;
    const char* Method;
    uint8_t State; // what the button shows afterwards
};

constexpr TransitionInfo Transitions[] = {
    {buttoncond::RollOver, script::clipevent::RollOver, "onRollOver", ButtonRecord::Over},
    {buttoncond::RollOut, script::clipevent::RollOut, "onRollOut", ButtonRecord::Up},
    {buttoncond::Press, script::clipevent::Press, "onPress", ButtonRecord::Down},
    {buttoncond::Release, script::clipevent::Release, "onRelease", ButtonRecord::Over},
    {buttoncond::ReleaseOutside, script::clipevent::ReleaseOutside, "onReleaseOutside", ButtonRecord::Up},
    {buttoncond::DragOver, script::clipevent::DragOver, "onDragOver", ButtonRecord::Down},
    {buttoncond::DragOut, script::clipevent::DragOut, "onDragOut", ButtonRecord::Over},
};

const Button* AsButton(const DisplayObject& object) {
    if (!object.Definition)
        return nullptr;
    auto button = std::get_if<std::shared_ptr<const Button>>(object.Definition);
    return button ? button->get() : nullptr;
}

// The key a button's key condition names for a virtual-key code and the
// character typed: printable characters as themselves, the special keys
// by the small codes of the condition word.
uint8_t ConditionKey(uint32_t keyCode, uint32_t character) {
    if (character >= 32 && character < 127)
        return static_cast<uint8_t>(character);
    // Left, right, home, end, insert, delete, backspace, enter, up, down,
    // page up, page down, tab, escape.
    static constexpr std::pair<uint32_t, uint8_t> Special[] = {
        {37, 1},  {39, 2},  {36, 3},  {35, 4},  {45, 5},  {46, 6}, {8, 8},
        {13, 13}, {38, 14}, {40, 15}, {33, 16}, {34, 17}, {9, 18}, {27, 19}};
    for (auto [code, key] : Special)
        if (code == keyCode)
            return key;
    return 0;
}

} // namespace

void ButtonInput::Move(Point stage) {
    pointer_ = stage;
    pointerKnown_ = true;
    Refresh();
}

void ButtonInput::Down() {
    down_ = true;
    Refresh();
    if (!hover_)
        return;
    pressed_ = hover_;
    outside_ = false;
    Fire(pressed_, Transition::Press);
}

void ButtonInput::Up() {
    down_ = false;
    if (pressed_) {
        if (outside_) {
            Fire(pressed_, Transition::ReleaseOutside);
            hover_.reset();
        } else {
            Fire(pressed_, Transition::Release);
        }
        pressed_.reset();
    }
    Refresh();
}

void ButtonInput::Refresh() {
    if (!pointerKnown_)
        return;
    std::optional<Target> found = Find();
    if (pressed_) {
        bool over = found == pressed_;
        if (over && outside_)
            Fire(pressed_, Transition::DragOver);
        else if (!over && !outside_)
            Fire(pressed_, Transition::DragOut);
        outside_ = !over;
        return;
    }
    if (found == hover_)
        return;
    Fire(hover_, Transition::RollOut);
    hover_ = found;
    Fire(hover_, Transition::RollOver);
}

bool ButtonInput::WantsHandCursor() {
    const std::optional<Target>& target = pressed_ ? pressed_ : hover_;
    if (!target)
        return false;
    Resolved r = Resolve(*target);
    if (!r.Object)
        return false;
    script::Value hand =
        r.AsButton ? scripts_.ButtonProperty(*r.Object, "useHandCursor")
        : r.Object->Clip
            ? scripts_.GetMember(script::Value(scripts_.ClipObjectFor(*r.Object->Clip)), "useHandCursor")
            : script::Value();
    return hand.IsUndefined() || scripts_.ToBoolean(hand);
}

void ButtonInput::Key(uint32_t keyCode, uint32_t character) {
    if (uint8_t key = ConditionKey(keyCode, character))
        RunKeyActions(root_, key, 0);
}

void ButtonInput::RunKeyActions(Timeline& timeline, uint8_t key, int nesting) {
    if (nesting > Timeline::Limits::MaxNesting)
        return;
    for (auto& [depth, object] : timeline.Objects()) {
        if (const Button* button = AsButton(object)) {
            for (const ButtonAction& a : button->Actions)
                if (buttoncond::KeyOf(a.Conditions) == key)
                    scripts_.FrameActions(timeline, a.Actions);
        } else if (object.Clip) {
            RunKeyActions(*object.Clip, key, nesting + 1);
        }
    }
}

std::optional<ButtonInput::Target> ButtonInput::Find() {
    std::vector<uint16_t> path;
    Target found;
    if (FindIn(root_, {}, path, found))
        return found;
    return std::nullopt;
}

bool ButtonInput::TakesMouse(DisplayObject& object) {
    if (AsButton(object))
        return scripts_.ToBoolean(scripts_.ButtonProperty(object, "enabled"));
    if (!object.Clip || !scripts_.ClipTakesMouse(*object.Clip))
        return false;
    script::Value enabled =
        scripts_.GetMember(script::Value(scripts_.ClipObjectFor(*object.Clip)), "enabled");
    return enabled.IsUndefined() || scripts_.ToBoolean(enabled);
}

// The topmost button, or clip that acts as one, under the pointer. Other
// shapes do not stop the mouse from reaching the buttons below them.
bool ButtonInput::FindIn(Timeline& timeline, const Matrix& toStage, std::vector<uint16_t>& path,
                         Target& found) {
    if (path.size() > size_t(Timeline::Limits::MaxNesting))
        return false;
    DisplayList& list = timeline.Objects();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        auto& [depth, object] = *it;
        if (object.ClipDepth != 0 || !object.Visible || !object.Definition || object.Masking ||
            !hits_.ScriptMaskCovers(object, pointer_))
            continue;
        size_t mark = path.size();
        path.push_back(depth);
        bool hit = false;
        if (TakesMouse(object)) {
            hit = hits_.ObjectCovers(object, timeline.Characters(), toStage, pointer_);
            if (hit)
                found = {path, object.CharacterId};
        } else if (object.Clip) {
            hit = FindIn(*object.Clip, toStage.Then(object.Transform), path, found);
        }
        if (hit && hits_.Unmasked(list, timeline.Characters(), depth, toStage, pointer_))
            return true;
        path.resize(mark);
    }
    return false;
}

ButtonInput::Resolved ButtonInput::Resolve(const Target& target) {
    Timeline* timeline = &root_;
    for (size_t i = 0; i < target.Path.size(); ++i) {
        auto it = timeline->Objects().find(target.Path[i]);
        if (it == timeline->Objects().end())
            return {};
        DisplayObject& object = it->second;
        if (i + 1 == target.Path.size())
            return object.CharacterId == target.CharacterId ? Resolved{timeline, &object, AsButton(object)}
                                                            : Resolved{};
        if (!object.Clip)
            return {};
        timeline = object.Clip.get();
    }
    return {};
}

void ButtonInput::Fire(const std::optional<Target>& target, Transition transition) {
    if (!target)
        return;
    Resolved r = Resolve(*target);
    if (!r.Object)
        return;
    const TransitionInfo& info = Transitions[static_cast<int>(transition)];
    if (r.AsButton) {
        r.Object->ButtonState = info.State;
        for (const ButtonAction& a : r.AsButton->Actions)
            if (a.Conditions & info.Condition)
                scripts_.FrameActions(*r.Parent, a.Actions);
        scripts_.ButtonMouseEvent(*r.Parent, *r.Object, info.Method);
    } else if (r.Object->Clip) {
        scripts_.ClipMouseEvent(*r.Object->Clip, info.ClipEvent, info.Method);
    }
}

} // namespace swf
