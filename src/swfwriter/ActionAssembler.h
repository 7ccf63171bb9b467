#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace swfw {

// Writes action records (DoAction bodies, function bodies, clip event
// actions) for tests: one call per record, labels for jumps and branches.
class ActionAssembler {
public:
    using Label = size_t;

    ActionAssembler& Op(uint8_t code); // an action without a body
    ActionAssembler& Record(uint8_t code, const std::vector<uint8_t>& body);

    // Push records, one value each.
    ActionAssembler& Push(const std::string& s);
    ActionAssembler& Push(const char* s) { return Push(std::string(s)); }
    ActionAssembler& Push(double d);
    ActionAssembler& PushInt(int32_t i);
    ActionAssembler& PushFloat(float f);
    ActionAssembler& PushBool(bool b);
    ActionAssembler& PushNull();
    ActionAssembler& PushUndefined();
    ActionAssembler& PushRegister(uint8_t r);
    ActionAssembler& PushConstant(uint16_t index);

    ActionAssembler& ConstantPool(const std::vector<std::string>& strings);
    ActionAssembler& StoreRegister(uint8_t r);
    ActionAssembler& GotoFrame(uint16_t frame);
    ActionAssembler& GotoLabel(const std::string& label);
    ActionAssembler& GotoFrame2(bool play);
    ActionAssembler& SetTarget(const std::string& path);

    // Shorthands: trace(s), name = value for a string or number.
    ActionAssembler& Trace(const std::string& s);
    ActionAssembler& TraceVariable(const std::string& name);

    Label NewLabel();
    ActionAssembler& Bind(Label label);
    ActionAssembler& Jump(Label label);
    ActionAssembler& If(Label label);

    ActionAssembler& DefineFunction(const std::string& name, const std::vector<std::string>& parameters,
                                    const ActionAssembler& body);
    struct Parameter {
        uint8_t Register = 0;
        std::string Name;
    };
    ActionAssembler& DefineFunction2(const std::string& name, uint8_t registers, uint16_t flags,
                                     const std::vector<Parameter>& parameters, const ActionAssembler& body);
    // Pops the object and runs `body` with it on the scope chain.
    ActionAssembler& With(const ActionAssembler& body);
    // try { body } catch (name) { handler } finally { cleanup }; an empty
    // handler or cleanup leaves that block out.
    ActionAssembler& Try(const ActionAssembler& body, const std::string& catchName,
                         const ActionAssembler* handler, const ActionAssembler* cleanup);

    // The records with jumps resolved, without the closing End.
    std::vector<uint8_t> Code() const;
    // A DoAction body: the records and End.
    std::vector<uint8_t> Bytes() const;

private:
    ActionAssembler& PushRaw(uint8_t type, const std::vector<uint8_t>& data);

    std::vector<uint8_t> code_;
    std::vector<size_t> labels_;
    std::vector<std::pair<size_t, Label>> fixups_; // offset field position, label
};

// PlaceObject2 body with clip event actions appended: each pair is an
// event mask and its actions.
std::vector<uint8_t> WithClipActions(std::vector<uint8_t> placeObject2Body,
                                     const std::vector<std::pair<uint32_t, ActionAssembler>>& handlers,
                                     int version);

} // namespace swfw
