#include "swfwriter/ActionAssembler.h"

#include "swf/script/ActionCodes.h"

#include <bit>
#include <stdexcept>

namespace swfw {
namespace {

void U16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void U32(std::vector<uint8_t>& out, uint32_t v) {
    U16(out, v & 0xFFFF);
    U16(out, v >> 16);
}

void String(std::vector<uint8_t>& out, const std::string& s) {
    out.insert(out.end(), s.begin(), s.end());
    out.push_back(0);
}

} // namespace

ActionAssembler& ActionAssembler::Op(uint8_t code) {
    code_.push_back(code);
    return *this;
}

ActionAssembler& ActionAssembler::Record(uint8_t code, const std::vector<uint8_t>& body) {
    code_.push_back(code);
    U16(code_, static_cast<uint32_t>(body.size()));
    code_.insert(code_.end(), body.begin(), body.end());
    return *this;
}

ActionAssembler& ActionAssembler::PushRaw(uint8_t type, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> body{type};
    body.insert(body.end(), data.begin(), data.end());
    return Record(swf::action::Push, body);
}

ActionAssembler& ActionAssembler::Push(const std::string& s) {
    std::vector<uint8_t> data;
    String(data, s);
    return PushRaw(swf::action::push::String, data);
}

ActionAssembler& ActionAssembler::Push(double d) {
    auto bits = std::bit_cast<uint64_t>(d);
    std::vector<uint8_t> data;
    U32(data, static_cast<uint32_t>(bits >> 32)); // high word first
    U32(data, static_cast<uint32_t>(bits));
    return PushRaw(swf::action::push::Double, data);
}

ActionAssembler& ActionAssembler::PushInt(int32_t i) {
    std::vector<uint8_t> data;
    U32(data, static_cast<uint32_t>(i));
    return PushRaw(swf::action::push::Integer, data);
}

ActionAssembler& ActionAssembler::PushFloat(float f) {
    std::vector<uint8_t> data;
    U32(data, std::bit_cast<uint32_t>(f));
    return PushRaw(swf::action::push::Float, data);
}

ActionAssembler& ActionAssembler::PushBool(bool b) {
    return PushRaw(swf::action::push::Boolean, {uint8_t(b)});
}
ActionAssembler& ActionAssembler::PushNull() { return PushRaw(swf::action::push::Null, {}); }
ActionAssembler& ActionAssembler::PushUndefined() { return PushRaw(swf::action::push::Undefined, {}); }
ActionAssembler& ActionAssembler::PushRegister(uint8_t r) {
    return PushRaw(swf::action::push::Register, {r});
}

ActionAssembler& ActionAssembler::PushConstant(uint16_t index) {
    if (index < 256)
        return PushRaw(swf::action::push::Constant8, {static_cast<uint8_t>(index)});
    std::vector<uint8_t> data;
    U16(data, index);
    return PushRaw(swf::action::push::Constant16, data);
}

ActionAssembler& ActionAssembler::ConstantPool(const std::vector<std::string>& strings) {
    std::vector<uint8_t> body;
    U16(body, static_cast<uint32_t>(strings.size()));
    for (const auto& s : strings)
        String(body, s);
    return Record(swf::action::ConstantPool, body);
}

ActionAssembler& ActionAssembler::StoreRegister(uint8_t r) { return Record(swf::action::StoreRegister, {r}); }

ActionAssembler& ActionAssembler::GotoFrame(uint16_t frame) {
    std::vector<uint8_t> body;
    U16(body, frame);
    return Record(swf::action::GotoFrame, body);
}

ActionAssembler& ActionAssembler::GotoLabel(const std::string& label) {
    std::vector<uint8_t> body;
    String(body, label);
    return Record(swf::action::GotoLabel, body);
}

ActionAssembler& ActionAssembler::GotoFrame2(bool play) {
    return Record(swf::action::GotoFrame2, {uint8_t(play ? 1 : 0)});
}

ActionAssembler& ActionAssembler::SetTarget(const std::string& path) {
    std::vector<uint8_t> body;
    String(body, path);
    return Record(swf::action::SetTarget, body);
}

ActionAssembler& ActionAssembler::Trace(const std::string& s) { return Push(s).Op(swf::action::Trace); }

ActionAssembler& ActionAssembler::TraceVariable(const std::string& name) {
    return Push(name).Op(swf::action::GetVariable).Op(swf::action::Trace);
}

ActionAssembler::Label ActionAssembler::NewLabel() {
    labels_.push_back(SIZE_MAX);
    return labels_.size() - 1;
}

ActionAssembler& ActionAssembler::Bind(Label label) {
    labels_.at(label) = code_.size();
    return *this;
}

ActionAssembler& ActionAssembler::Jump(Label label) {
    Record(swf::action::Jump, {0, 0});
    fixups_.emplace_back(code_.size() - 2, label);
    return *this;
}

ActionAssembler& ActionAssembler::If(Label label) {
    Record(swf::action::If, {0, 0});
    fixups_.emplace_back(code_.size() - 2, label);
    return *this;
}

ActionAssembler& ActionAssembler::DefineFunction(const std::string& name,
                                                 const std::vector<std::string>& parameters,
                                                 const ActionAssembler& body) {
    std::vector<uint8_t> header, code = body.Code();
    String(header, name);
    U16(header, static_cast<uint32_t>(parameters.size()));
    for (const auto& p : parameters)
        String(header, p);
    U16(header, static_cast<uint32_t>(code.size()));
    Record(swf::action::DefineFunction, header);
    code_.insert(code_.end(), code.begin(), code.end());
    return *this;
}

ActionAssembler& ActionAssembler::DefineFunction2(const std::string& name, uint8_t registers, uint16_t flags,
                                                  const std::vector<Parameter>& parameters,
                                                  const ActionAssembler& body) {
    std::vector<uint8_t> header, code = body.Code();
    String(header, name);
    U16(header, static_cast<uint32_t>(parameters.size()));
    header.push_back(registers);
    U16(header, flags);
    for (const auto& p : parameters) {
        header.push_back(p.Register);
        String(header, p.Name);
    }
    U16(header, static_cast<uint32_t>(code.size()));
    Record(swf::action::DefineFunction2, header);
    code_.insert(code_.end(), code.begin(), code.end());
    return *this;
}

ActionAssembler& ActionAssembler::With(const ActionAssembler& body) {
    std::vector<uint8_t> header, code = body.Code();
    U16(header, static_cast<uint32_t>(code.size()));
    Record(swf::action::With, header);
    code_.insert(code_.end(), code.begin(), code.end());
    return *this;
}

ActionAssembler& ActionAssembler::Try(const ActionAssembler& body, const std::string& catchName,
                                      const ActionAssembler* handler, const ActionAssembler* cleanup) {
    std::vector<uint8_t> tryCode = body.Code();
    std::vector<uint8_t> catchCode = handler ? handler->Code() : std::vector<uint8_t>{};
    std::vector<uint8_t> finallyCode = cleanup ? cleanup->Code() : std::vector<uint8_t>{};
    // The try block ends with a jump over the catch block.
    if (handler) {
        tryCode.push_back(swf::action::Jump);
        U16(tryCode, 2);
        U16(tryCode, static_cast<uint32_t>(catchCode.size()));
    }
    std::vector<uint8_t> header{static_cast<uint8_t>((handler ? 1 : 0) | (cleanup ? 2 : 0))};
    U16(header, static_cast<uint32_t>(tryCode.size()));
    U16(header, static_cast<uint32_t>(catchCode.size()));
    U16(header, static_cast<uint32_t>(finallyCode.size()));
    String(header, catchName);
    Record(swf::action::Try, header);
    for (const auto* part : {&tryCode, &catchCode, &finallyCode})
        code_.insert(code_.end(), part->begin(), part->end());
    return *this;
}

std::vector<uint8_t> ActionAssembler::Code() const {
    std::vector<uint8_t> out = code_;
    for (auto [at, label] : fixups_) {
        size_t target = labels_.at(label);
        if (target == SIZE_MAX)
            throw std::logic_error("jump to a label never bound");
        auto offset = static_cast<int16_t>(static_cast<ptrdiff_t>(target) - static_cast<ptrdiff_t>(at + 2));
        out[at] = static_cast<uint8_t>(offset);
        out[at + 1] = static_cast<uint8_t>(static_cast<uint16_t>(offset) >> 8);
    }
    return out;
}

std::vector<uint8_t> ActionAssembler::Bytes() const {
    std::vector<uint8_t> out = Code();
    out.push_back(swf::action::End);
    return out;
}

std::vector<uint8_t> WithClipActions(std::vector<uint8_t> body,
                                     const std::vector<std::pair<uint32_t, ActionAssembler>>& handlers,
                                     int version) {
    bool wide = version >= 6;
    auto mask = [&](uint32_t events) {
        if (wide)
            U32(body, events);
        else
            U16(body, events);
    };
    body[0] |= 0x80;
    U16(body, 0);
    uint32_t all = 0;
    for (const auto& h : handlers)
        all |= h.first;
    mask(all);
    for (const auto& [events, actions] : handlers) {
        std::vector<uint8_t> code = actions.Bytes();
        mask(events);
        U32(body, static_cast<uint32_t>(code.size()));
        body.insert(body.end(), code.begin(), code.end());
    }
    mask(0);
    return body;
}

} // namespace swfw
