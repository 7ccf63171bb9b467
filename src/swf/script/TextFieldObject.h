#pragma once

#include "swf/Dictionary.h"
#include "swf/TextLayout.h"
#include "swf/script/Object.h"
#include "swf/script/TextFieldContent.h"

#include <map>
#include <memory>

namespace swf {
struct DisplayObject;
class Timeline;
} // namespace swf

namespace swf::script {

class ClipObject;

// The script side of a text field placed by the frames (DefineEditText) or
// made by createTextField: its text and formats, its settings, and its
// variable binding. The picture follows: every change hands the display
// entry a fresh EditText to draw. The entry is found in the parent's list
// each time, so a field that was removed is simply detached.
class TextFieldObject : public Object {
public:
    TextFieldObject(bool caseSensitive, std::shared_ptr<ClipObject> parent, const EditText& definition,
                    const Dictionary& dictionary, std::shared_ptr<FontProvider> fonts);

    DisplayObject* Display() const;
    // The definition of a field made by a script, owned here.
    const Character* OwnCharacter();
    const std::shared_ptr<ClipObject> Parent() const { return parent_.lock(); }

    std::optional<Value> GetComputed(Vm& vm, const std::string& name) override;
    bool SetComputed(Vm& vm, const std::string& name, const Value& v) override;
    void ComputedKeys(std::vector<std::string>& keys) const override;

    // Text, HTML and formats, for the methods of TextField.prototype.
    TextFieldContent& Content() { return content_; }
    TextFormat& NewFormat() { return newFormat_; }
    bool Html() const;
    // Sets the whole text (plain or HTML) and tells the bound variable.
    void SetText(Vm& vm, const std::string& text, bool html);
    std::string PlainText() const;
    // Redraws the field after a change of content or settings.
    void Changed();

    // Variable binding: the variable's value is shown (when it changed since
    // the last look); an unset variable takes the field's text.
    void SyncFromVariable(Vm& vm);
    const std::string& Variable() const { return variable_; }

    // The text's size as the renderer lays it out, in twips.
    TextExtent Measure() const;

private:
    std::optional<Value> GetSpecial(Vm& vm, const std::string& name);
    bool SetSpecial(Vm& vm, const std::string& name, const Value& v);
    std::optional<Value> DisplayProperty(Vm& vm, const std::string& name);
    bool SetDisplayProperty(Vm& vm, const std::string& name, const Value& v);
    void SetVariableFromText(Vm& vm);
    void Load(const std::string& text, bool html);
    EditText Rendered() const;
    void FitToText();
    Value Setting(const char* name) const;

    std::weak_ptr<ClipObject> parent_;
    std::unique_ptr<Character> own_;
    EditText definition_;
    const Dictionary& dictionary_;
    std::shared_ptr<FontProvider> fonts_;
    TextFieldContent content_;
    TextFormat newFormat_;
    std::map<std::string, Value> settings_;
    std::string variable_;
    std::optional<std::string> shownVariable_; // the variable's value last shown
};

// The script object of a text field entry, made on first use.
std::shared_ptr<TextFieldObject> TextFieldFor(Vm& vm, Timeline& parent, DisplayObject& entry);

// Makes the script objects of the bound text fields under a timeline and
// shows their variables.
void SyncTextFields(Vm& vm, Timeline& timeline);

} // namespace swf::script
