#pragma once

#include "swf/HitTest.h"
#include "swf/Timeline.h"
#include "swf/script/Vm.h"

#include <optional>
#include <vector>

namespace swf {

// Follows the pointer over the stage's buttons and the clips that act as
// buttons: which one it is over, which one was pressed, and the
// transitions between them (roll over and out, press, release inside and
// outside, drag over and out). Each transition sets the button's state and
// queues its condition actions and handlers; the caller runs the queue.
class ButtonInput {
public:
    ButtonInput(Timeline& root, script::Vm& scripts) : root_(root), scripts_(scripts) {}

    // Positions in stage twips.
    void Move(Point stage);
    void Down();
    void Up();
    // Buttons whose key condition matches the key (a virtual-key code and
    // the character it typed) run those actions.
    void Key(uint32_t keyCode, uint32_t character);
    // Looks again at what is under the pointer: the frames move things.
    void Refresh();
    bool WantsHandCursor();

private:
    // An object under the pointer, by the depths that lead to it from the
    // root, so that a removed object is never touched.
    struct Target {
        std::vector<uint16_t> Path;
        uint16_t CharacterId = 0;
        friend bool operator==(const Target&, const Target&) = default;
    };
    struct Resolved {
        Timeline* Parent = nullptr;
        DisplayObject* Object = nullptr;
        const Button* AsButton = nullptr;
    };
    enum class Transition { RollOver, RollOut, Press, Release, ReleaseOutside, DragOver, DragOut };

    std::optional<Target> Find();
    bool FindIn(Timeline& timeline, const Matrix& toStage, std::vector<uint16_t>& path, Target& found);
    bool TakesMouse(DisplayObject& object);
    Resolved Resolve(const Target& target);
    void Fire(const std::optional<Target>& target, Transition transition);
    void RunKeyActions(Timeline& timeline, uint8_t key, int nesting);

    Timeline& root_;
    script::Vm& scripts_;
    HitTest hits_;
    Point pointer_;
    bool pointerKnown_ = false;
    bool down_ = false;
    bool outside_ = false; // the pressed target is not under the pointer
    std::optional<Target> hover_, pressed_;
};

} // namespace swf
