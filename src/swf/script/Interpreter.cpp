#include "swf/script/Interpreter.h"

#include "swf/ByteReader.h"
#include "swf/Error.h"
#include "swf/TagCodes.h"
#include "swf/Timeline.h"
#include "swf/script/ActionCodes.h"
#include "swf/script/ClipLifetime.h"
#include "swf/script/ClipObject.h"
#include "swf/script/FrameArgument.h"
#include "swf/script/Loading.h"
#include "swf/script/SuperObject.h"
#include "swf/script/Text.h"
#include "swf/script/TextFieldObject.h"
#include "swf/script/Vm.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <random>

namespace swf::script {
namespace {

// The highest frame index (0-based) a movie can have: WaitForFrame counts
// every frame up to it as loaded (the index wraps as the plug-in's does).
constexpr int32_t LastLoadedFrame = 16000;

double Nan() { return std::nan(""); }

std::string TypeOfValue(const Value& v) {
    switch (v.GetType()) {
    case Value::Type::Undefined:
        return "undefined";
    case Value::Type::Null:
        return "null";
    case Value::Type::Boolean:
        return "boolean";
    case Value::Type::Number:
        return "number";
    case Value::Type::String:
        return "string";
    case Value::Type::Object:
        break;
    }
    return v.Object()->TypeOf();
}

// The entry whose script object this is, in the timeline or a clip in it;
// the dot path of its timeline goes to `path`.
const DisplayObject* FindEntry(Vm& vm, swf::Timeline& timeline, const Object* object, std::string& path) {
    for (auto& [depth, entry] : timeline.Objects()) {
        if (entry.Script.get() == object) {
            path = static_cast<ClipObject&>(*vm.ClipObjectFor(timeline)).TargetPath();
            return &entry;
        }
        if (entry.Clip)
            if (const DisplayObject* found = FindEntry(vm, *entry.Clip, object, path))
                return found;
    }
    return nullptr;
}

// targetPath(): the dot path of a clip, a text field or a button;
// undefined for anything else.
Value TargetPathOf(Vm& vm, const Value& v) {
    if (!v.IsObject())
        return {};
    if (swf::Timeline* t = vm.TimelineOf(v))
        return static_cast<ClipObject&>(*vm.ClipObjectFor(*t)).TargetPath();
    if (dynamic_cast<ClipObject*>(v.Object().get()))
        return std::string(); // removed, with nothing at its path
    std::string path;
    const DisplayObject* entry = nullptr;
    if (auto field = dynamic_cast<TextFieldObject*>(v.Object().get())) {
        auto parent = field->Parent();
        entry = parent && parent->GetTimeline() ? field->Display() : nullptr;
        path = entry ? parent->TargetPath() : "";
    } else if (vm.Root()) {
        entry = FindEntry(vm, *vm.Root(), v.Object().get(), path);
    }
    if (!entry)
        return {};
    path += '.';
    path += entry->Name;
    return path;
}

std::mt19937& Random() {
    static std::mt19937 generator(std::random_device{}());
    return generator;
}

} // namespace

Value Interpreter::Run(std::span<const uint8_t> code) {
    code_ = code;
    try {
        Outcome o = Execute(0, code.size());
        if (o.Kind == Outcome::Returned)
            return returned_;
    } catch (const Error&) {
        // Damaged action records end the block; the movie goes on.
    }
    return {};
}

void Interpreter::Push(Value v) {
    if (stack_.size() >= MaxStack)
        throw ScriptAbort("its stack grew past " + std::to_string(MaxStack) + " values");
    stack_.push_back(std::move(v));
}

Value Interpreter::Pop() {
    if (stack_.empty())
        return {};
    Value v = std::move(stack_.back());
    stack_.pop_back();
    return v;
}

std::string Interpreter::PopString() { return vm_.ToString(Pop()); }
double Interpreter::PopNumber() { return vm_.ToNumber(Pop()); }

std::vector<Value> Interpreter::PopArguments() {
    double n = PopNumber();
    size_t count = std::isfinite(n) && n > 0 ? static_cast<size_t>(std::min(n, double(stack_.size()))) : 0;
    std::vector<Value> args;
    args.reserve(count);
    for (size_t i = 0; i < count; ++i)
        args.push_back(Pop());
    return args;
}

Value Interpreter::Boolean(bool b) const { return a_.Version >= 5 ? Value(b) : Value(b ? 1 : 0); }

std::string Interpreter::ReadString(ByteReader& in) const {
    std::string s;
    while (uint8_t c = in.U8())
        s += static_cast<char>(c);
    return s;
}

Interpreter::Record Interpreter::ReadRecord(size_t pc) const {
    Record r;
    r.Code = code_[pc];
    r.Next = pc + 1;
    if (r.Code >= 0x80) {
        if (pc + 3 > code_.size())
            throw Error("damaged actions");
        size_t length = code_[pc + 1] | size_t(code_[pc + 2]) << 8;
        if (pc + 3 + length > code_.size())
            throw Error("damaged actions");
        r.Body = code_.subspan(pc + 3, length);
        r.Next = pc + 3 + length;
    }
    return r;
}

Interpreter::Outcome Interpreter::Execute(size_t begin, size_t end) {
    size_t pc = begin;
    while (pc < end) {
        vm_.Step();
        Record r = ReadRecord(pc);
        if (r.Code == action::End)
            return {};
        pc = r.Next;
        Outcome o = Dispatch(r, pc, end);
        if (halted_) {
            returned_ = Value();
            return {Outcome::Returned};
        }
        if (o.Kind == Outcome::Returned)
            return o;
        if (o.Kind == Outcome::Jumped) {
            if (o.Target < begin || o.Target > end)
                return o; // leaves this range: the enclosing one goes on
            pc = o.Target;
        }
    }
    return {};
}

Interpreter::Outcome Interpreter::Dispatch(const Record& r, size_t& pc, size_t end) {
    if (Timeline(r) || Stack(r) || Arithmetic(r.Code) || Strings(r.Code) || Variables(r.Code) ||
        Objects(r.Code))
        return {};
    return Control(r, pc, end);
}

// ---- timeline control ----

bool Interpreter::Timeline(const Record& r) {
    swf::Timeline* t = vm_.TimelineOf(Value(scope_.Base()));
    ByteReader in(r.Body);
    switch (r.Code) {
    case action::NextFrame:
        if (t) {
            t->GotoFrame(t->CurrentFrame() + 1);
            t->Stop();
        }
        return true;
    case action::PrevFrame:
        if (t && t->CurrentFrame() > 0)
            t->GotoFrame(t->CurrentFrame() - 1);
        if (t)
            t->Stop();
        return true;
    case action::Play:
        if (t)
            t->Play();
        return true;
    case action::Stop:
        if (t)
            t->Stop();
        return true;
    case action::GotoFrame: {
        uint16_t frame = in.U16();
        if (t)
            t->GotoFrame(frame);
        return true;
    }
    case action::GotoLabel: {
        std::string label = ReadString(in);
        if (t)
            if (auto frame = t->FindLabel(label))
                t->GotoFrame(*frame);
        return true;
    }
    case action::GotoFrame2:
        GotoFrame2(r);
        return true;
    case action::SetTarget: {
        std::string path = ReadString(in);
        a_.Target = path.empty() ? a_.Home : scope_.ResolvePath(path);
        UnfoundTarget();
        return true;
    }
    case action::SetTarget2: {
        Value target = Pop();
        std::string path = target.IsObject() ? "" : vm_.ToString(target);
        a_.Target = !target.IsObject() && path.empty() ? a_.Home : scope_.ResolveTarget(target);
        UnfoundTarget();
        return true;
    }
    case action::Call:
        CallFrame();
        HaltIfHomeRemoved();
        return true;
    case action::ToggleQuality:
    case action::StopSounds:
        return true;
    case action::GetUrl: {
        std::string url = ReadString(in);
        builtins::GetUrl(vm_, scope_, url, Value(ReadString(in)), 0);
        return true;
    }
    case action::GetUrl2: {
        Value target = Pop();
        std::string url = vm_.ToString(Pop());
        builtins::GetUrl(vm_, scope_, url, target, r.Body.empty() ? 0 : r.Body[0]);
        return true;
    }
    case action::StartDrag: {
        ObjectPtr target = scope_.ResolveTarget(Pop());
        bool lockCenter = ToBoolean(Pop(), a_.Version);
        std::optional<Vm::DragBox> box;
        if (ToBoolean(Pop(), a_.Version)) {
            double bottom = PopNumber(), right = PopNumber(), top = PopNumber(), left = PopNumber();
            box = Vm::DragBox{left, top, right, bottom};
        }
        vm_.StartDrag(target, lockCenter, box);
        return true;
    }
    case action::EndDrag:
        vm_.StopDrag();
        return true;
    case action::CloneSprite: {
        double depth = PopNumber();
        std::string name = PopString();
        swf::Timeline* source = vm_.TimelineOf(Value(scope_.ResolveTarget(Pop())));
        // The compiler has already added the offset of the file's depths.
        if (auto d = ListDepth(depth - DepthOffset); source && d)
            DuplicateClip(vm_, *source, name, *d);
        return true;
    }
    case action::RemoveSprite: {
        ObjectPtr target = scope_.ResolveTarget(Pop());
        swf::Timeline* s = vm_.TimelineOf(Value(target));
        DisplayObject* self = s ? s->Self() : nullptr;
        if (self && self->Dynamic)
            s->Parent()->Remove(s->Depth());
        return true;
    }
    default:
        return false;
    }
}

void Interpreter::GotoFrame2(const Record& r) {
    ByteReader in(r.Body);
    uint8_t flags = in.U8();
    uint16_t bias = (flags & 2) ? in.U16() : 0;
    FramePath frame = SplitFramePath(Pop());
    // "path:frame" addresses another clip.
    ObjectPtr target = frame.Path ? scope_.ResolvePath(*frame.Path) : scope_.Base();
    swf::Timeline* t = vm_.TimelineOf(Value(target));
    if (!t)
        return;
    auto index = FrameIndex(vm_, *t, frame.Frame, bias);
    if (!index)
        return;
    t->GotoFrame(*index);
    if (flags & 1)
        t->Play();
    else
        t->Stop();
}

void Interpreter::UnfoundTarget() {
    // Up to SWF 6 a target that names nothing addresses the root.
    if (!a_.Target && a_.Version <= 6 && vm_.Root())
        a_.Target = vm_.ClipObjectFor(*vm_.Root());
}

void Interpreter::CallFrame() {
    Value frame = Pop();
    ObjectPtr target = scope_.Base();
    std::string label = vm_.ToString(frame);
    // "path:frame" calls a frame of another clip.
    if (size_t colon = label.rfind(':'); colon != std::string::npos) {
        target = scope_.ResolvePath(label.substr(0, colon));
        label = label.substr(colon + 1);
    }
    swf::Timeline* t = vm_.TimelineOf(Value(target));
    if (!t)
        return;
    double number = StringToNumber(label, a_.Version);
    std::optional<uint32_t> index;
    if (std::isfinite(number) && number >= 1 && number <= t->FrameCount())
        index = static_cast<uint32_t>(number) - 1;
    else if (!std::isfinite(number))
        index = t->FindLabel(label);
    if (!index)
        return;
    // The frame's actions run on the clip, where the timeline is now.
    // A frame may call itself: the depth limit ends that.
    Vm::DepthGuard guard(vm_);
    const TagList& frames = t->Frames();
    ObjectPtr clip = vm_.ClipObjectFor(*t);
    for (size_t i = frames.FrameStart(*index); i < frames.FrameStart(*index + 1); ++i)
        if (frames.Tags[i].Code == tagcode::DoAction) {
            Activation called = vm_.FrameActivation(clip);
            vm_.Run(frames.Tags[i].Body, called);
        }
}

// ---- stack and registers ----

void Interpreter::PushValues(ByteReader& in) {
    while (!in.AtEnd()) {
        uint8_t type = in.U8();
        switch (type) {
        case action::push::String:
            Push(ReadString(in));
            break;
        case action::push::Float: {
            uint32_t bits = in.U32();
            Push(double(std::bit_cast<float>(bits)));
            break;
        }
        case action::push::Null:
            Push(Value::Null());
            break;
        case action::push::Undefined:
            Push(Value());
            break;
        case action::push::Register: {
            uint8_t r = in.U8();
            Push(r < a_.Registers.size() ? a_.Registers[r] : Value());
            break;
        }
        case action::push::Boolean:
            Push(in.U8() != 0);
            break;
        case action::push::Double: {
            // The high word comes first.
            uint64_t high = in.U32(), low = in.U32();
            Push(std::bit_cast<double>(high << 32 | low));
            break;
        }
        case action::push::Integer:
            Push(double(static_cast<int32_t>(in.U32())));
            break;
        case action::push::Constant8:
        case action::push::Constant16: {
            size_t index = type == action::push::Constant8 ? in.U8() : in.U16();
            const auto& pool = a_.Constants;
            Push(pool && index < pool->size() ? Value((*pool)[index]) : Value());
            break;
        }
        default:
            throw Error("damaged actions");
        }
    }
}

bool Interpreter::Stack(const Record& r) {
    ByteReader in(r.Body);
    switch (r.Code) {
    case action::Push:
        PushValues(in);
        return true;
    case action::Pop:
        Pop();
        return true;
    case action::PushDuplicate: {
        Value v = stack_.empty() ? Value() : stack_.back();
        Push(v);
        return true;
    }
    case action::StackSwap: {
        Value a = Pop(), b = Pop();
        Push(a);
        Push(b);
        return true;
    }
    case action::StoreRegister: {
        uint8_t reg = in.U8();
        if (reg < a_.Registers.size())
            a_.Registers[reg] = stack_.empty() ? Value() : stack_.back();
        return true;
    }
    case action::ConstantPool: {
        auto pool = std::make_shared<std::vector<std::string>>();
        uint16_t count = in.U16();
        for (uint16_t i = 0; i < count && !in.AtEnd(); ++i)
            pool->push_back(ReadString(in));
        a_.Constants = pool;
        return true;
    }
    default:
        return false;
    }
}

// ---- operators ----

Value Interpreter::Add(const Value& a, const Value& b) {
    Value pa = vm_.ToPrimitive(a), pb = vm_.ToPrimitive(b);
    if (pa.IsString() || pb.IsString())
        return vm_.ToString(pa) + vm_.ToString(pb);
    return vm_.ToNumber(pa) + vm_.ToNumber(pb);
}

Value Interpreter::Equals(const Value& a, const Value& b) {
    using T = Value::Type;
    if (a.GetType() == b.GetType()) {
        // The plug-in finds NaN equal to itself.
        if (a.IsNumber())
            return a.Number() == b.Number() || (std::isnan(a.Number()) && std::isnan(b.Number()));
        return a == b;
    }
    if (a.IsNullish() && b.IsNullish())
        return true;
    // An object without valueOf is undefined here.
    if (a.IsNullish() && b.IsObject())
        return Equals(a, vm_.ToPrimitive(b));
    if (b.IsNullish() && a.IsObject())
        return Equals(vm_.ToPrimitive(a), b);
    if (a.IsNullish() || b.IsNullish()) {
        // Before SWF 6, undefined and null equal what converts to 0.
        return false;
    }
    if ((a.IsNumber() && b.IsString()) || (a.IsString() && b.IsNumber()))
        return vm_.ToNumber(a) == vm_.ToNumber(b);
    if (a.IsBoolean())
        return Equals(Value(a.Boolean() ? 1.0 : 0.0), b);
    if (b.IsBoolean())
        return Equals(a, Value(b.Boolean() ? 1.0 : 0.0));
    // The right operand converts first.
    if (b.GetType() == T::Object)
        return Equals(a, vm_.ToPrimitive(b));
    if (a.GetType() == T::Object)
        return Equals(vm_.ToPrimitive(a), b);
    return false;
}

Value Interpreter::Less(const Value& a, const Value& b) {
    // Comparisons take valueOf alone. An object it returns ends the
    // comparison as false before the right operand converts; a clip is NaN
    // without asking its valueOf.
    auto objectResult = [this](const Value& v) { return vm_.TimelineOf(v) ? Value() : Value(false); };
    if (vm_.TimelineOf(a))
        return Value();
    Value pa = a.IsObject() ? vm_.ValueOf(a) : a;
    if (pa.IsObject())
        return objectResult(pa);
    Value pb = b.IsObject() ? vm_.ValueOf(b) : b;
    if (pb.IsObject())
        return objectResult(pb);
    if (pa.IsString() && pb.IsString())
        return pa.String() < pb.String();
    double x = vm_.ToNumber(pa), y = vm_.ToNumber(pb);
    if (std::isnan(x) || std::isnan(y))
        return Value();
    return x < y;
}

// The operators of SWF 4 on numbers; the left operand converts first.
void Interpreter::Numeric(uint8_t code) {
    Value right = Pop(), left = Pop();
    // Equality converts its right operand first, the others their left.
    double b = code == action::Equals ? vm_.ToNumber(right) : 0;
    double a = vm_.ToNumber(left);
    if (code != action::Equals)
        b = vm_.ToNumber(right);
    switch (code) {
    case action::Add:
        Push(a + b);
        break;
    case action::Subtract:
        Push(a - b);
        break;
    case action::Multiply:
        Push(a * b);
        break;
    case action::Divide:
        if (b == 0 && a_.Version < 5)
            Push("#ERROR#");
        else
            Push(a / b);
        break;
    case action::Modulo:
        Push(std::fmod(a, b));
        break;
    case action::Equals:
        Push(Boolean(a == b));
        break;
    default:
        Push(Boolean(a < b));
        break;
    }
}

bool Interpreter::Arithmetic(uint8_t code) {
    switch (code) {
    case action::Add:
    case action::Subtract:
    case action::Multiply:
    case action::Divide:
    case action::Modulo:
    case action::Equals:
    case action::Less:
        Numeric(code);
        return true;
    case action::And: {
        bool b = ToBoolean(Pop(), a_.Version), a = ToBoolean(Pop(), a_.Version);
        Push(Boolean(a && b));
        return true;
    }
    case action::Or: {
        bool b = ToBoolean(Pop(), a_.Version), a = ToBoolean(Pop(), a_.Version);
        Push(Boolean(a || b));
        return true;
    }
    case action::Not:
        Push(Boolean(!ToBoolean(Pop(), a_.Version)));
        return true;
    case action::Add2: {
        Value b = Pop(), a = Pop();
        Push(Add(a, b));
        return true;
    }
    case action::Less2: {
        Value b = Pop(), a = Pop();
        Push(Less(a, b));
        return true;
    }
    case action::Greater: {
        Value b = Pop(), a = Pop();
        Push(Less(b, a));
        return true;
    }
    case action::Equals2: {
        Value b = Pop(), a = Pop();
        Push(Equals(a, b));
        return true;
    }
    case action::StrictEquals: {
        Value b = Pop(), a = Pop();
        // The plug-in finds NaN strictly equal to itself.
        bool bothNan = a.IsNumber() && b.IsNumber() && std::isnan(a.Number()) && std::isnan(b.Number());
        Push(bothNan || (a.IsNumber() && b.IsNumber() ? a.Number() == b.Number() : a == b));
        return true;
    }
    case action::Increment:
        Push(PopNumber() + 1);
        return true;
    case action::Decrement:
        Push(PopNumber() - 1);
        return true;
    case action::ToInteger:
        Push(ToInteger(PopNumber()));
        return true;
    case action::ToNumber:
        Push(PopNumber());
        return true;
    case action::ToString:
        Push(PopString());
        return true;
    case action::BitAnd:
    case action::BitOr:
    case action::BitXor:
    case action::BitLShift:
    case action::BitRShift:
    case action::BitURShift: {
        Value right = Pop(), left = Pop();
        int32_t a = ToInt32(vm_.ToNumber(left)), b = ToInt32(vm_.ToNumber(right));
        auto ua = static_cast<uint32_t>(a);
        unsigned shift = static_cast<unsigned>(b) & 31;
        double result = code == action::BitAnd      ? double(a & b)
                        : code == action::BitOr     ? double(a | b)
                        : code == action::BitXor    ? double(a ^ b)
                        : code == action::BitLShift ? double(static_cast<int32_t>(ua << shift))
                        : code == action::BitRShift ? double(a >> shift)
                        // Up to SWF 8 a shift by nothing comes back signed.
                        : shift == 0 && a_.Version < 9 ? double(a)
                                                       : double(ua >> shift);
        Push(result);
        return true;
    }
    case action::RandomNumber: {
        double max = PopNumber();
        int32_t n = ToInt32(max);
        Push(n > 0 ? double(std::uniform_int_distribution<int32_t>(0, n - 1)(Random())) : 0.0);
        return true;
    }
    case action::GetTime:
        Push(std::floor(vm_.MillisecondsSinceStart()));
        return true;
    default:
        return false;
    }
}

bool Interpreter::Strings(uint8_t code) {
    switch (code) {
    case action::StringEquals: {
        std::string b = PopString(), a = PopString();
        Push(Boolean(a == b));
        return true;
    }
    case action::StringLess: {
        std::string b = PopString(), a = PopString();
        Push(Boolean(a < b));
        return true;
    }
    case action::StringGreater: {
        std::string b = PopString(), a = PopString();
        Push(Boolean(a > b));
        return true;
    }
    case action::StringAdd: {
        std::string b = PopString(), a = PopString();
        Push(a + b);
        return true;
    }
    case action::StringLength:
    case action::MbStringLength:
        Push(double(code == action::StringLength && a_.Version < 6 ? PopString().size()
                                                                   : TextLength(PopString())));
        return true;
    case action::StringExtract:
    case action::MbStringExtract: {
        // Positions wrap to 32 bits, as the plug-in reads them.
        int32_t count = ToInt32(PopNumber()), index = ToInt32(PopNumber());
        std::string s = PopString();
        size_t start = index > 1 ? size_t(index) - 1 : 0;
        size_t n = count >= 0 ? size_t(count) : s.size();
        Push(TextSubstring(s, start, n));
        return true;
    }
    case action::CharToAscii:
    case action::MbCharToAscii: {
        // A character past U+FFFF reads as the replacement character.
        int32_t unit = TextUnit(PopString(), 0);
        Push(unit < 0 ? Value(Nan()) : Value(double(unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit)));
        return true;
    }
    case action::AsciiToChar:
    case action::MbAsciiToChar: {
        // One UTF-16 unit: the number wraps to 16 bits.
        uint32_t unit = static_cast<uint32_t>(ToInt32(PopNumber())) & 0xFFFF;
        Push(unit == 0 ? std::string() : Utf8Encode(unit));
        return true;
    }
    case action::Trace: {
        Value v = Pop();
        vm_.Trace(v.IsUndefined() ? "undefined" : vm_.ToString(v));
        return true;
    }
    case action::TypeOf:
        Push(TypeOfValue(Pop()));
        return true;
    case action::TargetPath:
        Push(TargetPathOf(vm_, Pop()));
        return true;
    default:
        return false;
    }
}

// ---- variables, properties and objects ----

bool Interpreter::Variables(uint8_t code) {
    switch (code) {
    case action::GetVariable:
        Push(scope_.Get(PopString()));
        return true;
    case action::SetVariable: {
        Value v = Pop();
        scope_.Set(PopString(), v);
        return true;
    }
    case action::DefineLocal: {
        Value v = Pop();
        scope_.DefineLocal(PopString(), v);
        return true;
    }
    case action::DefineLocal2: {
        scope_.Declare(PopString());
        return true;
    }
    case action::Delete: {
        std::string name = PopString();
        Value object = Pop();
        bool done = object.IsObject() && object.Object()->Remove(name);
        Push(done);
        return true;
    }
    case action::Delete2:
        Push(scope_.Delete(PopString()));
        return true;
    case action::GetProperty: {
        double index = PopNumber();
        ObjectPtr target = scope_.ResolveTarget(Pop());
        auto clip = dynamic_cast<ClipObject*>(target.get());
        std::optional<Value> v;
        if (clip && std::isfinite(index))
            v = clip->GetProperty(vm_, static_cast<int>(index));
        Push(v ? *v : Value());
        return true;
    }
    case action::SetProperty: {
        Value v = Pop();
        double index = PopNumber();
        ObjectPtr target = scope_.ResolveTarget(Pop());
        if (auto clip = dynamic_cast<ClipObject*>(target.get()); clip && std::isfinite(index))
            clip->SetProperty(vm_, static_cast<int>(index), v);
        return true;
    }
    default:
        return false;
    }
}

void Interpreter::HaltIfHomeRemoved() {
    auto home = std::dynamic_pointer_cast<ClipObject>(a_.Home);
    halted_ = home && !home->GetTimeline();
}

Value Interpreter::CallNamed(const Value& object, const std::string& name, std::span<const Value> args) {
    // super.method() and super(): the parent class's, on our own `this`.
    if (auto parent = object.IsObject() ? dynamic_cast<SuperObject*>(object.Object().get()) : nullptr)
        return parent->CallMethod(vm_, name, args);
    if (name.empty())
        return vm_.Call(object, Value(), args);
    ObjectPtr holder;
    Value f = vm_.GetMember(object, name, &holder);
    return vm_.CallFrom(f, object, args, holder);
}

bool Interpreter::Objects(uint8_t code) {
    switch (code) {
    case action::GetMember: {
        std::string name = PopString();
        Value object = Pop();
        Push(vm_.GetMember(object, name));
        return true;
    }
    case action::SetMember: {
        Value v = Pop();
        std::string name = PopString();
        Value object = Pop();
        vm_.SetMember(object, name, v);
        return true;
    }
    case action::CallFunction: {
        std::string name = PopString();
        std::vector<Value> args = PopArguments();
        Value self;
        Value f = scope_.GetFunction(name, self);
        // super(): the parent class's constructor.
        if (auto parent = f.IsObject() ? dynamic_cast<SuperObject*>(f.Object().get()) : nullptr)
            Push(parent->CallMethod(vm_, "", args));
        else
            Push(vm_.Call(f, self, args));
        HaltIfHomeRemoved();
        return true;
    }
    case action::CallMethod: {
        Value nameValue = Pop();
        Value object = Pop();
        std::vector<Value> args = PopArguments();
        std::string name = nameValue.IsUndefined() ? "" : vm_.ToString(nameValue);
        Push(CallNamed(object, name, args));
        if (!object.IsNullish())
            HaltIfHomeRemoved();
        return true;
    }
    case action::NewObject: {
        std::string name = PopString();
        std::vector<Value> args = PopArguments();
        Push(vm_.Construct(scope_.Get(name), args));
        HaltIfHomeRemoved();
        return true;
    }
    case action::NewMethod: {
        Value nameValue = Pop();
        Value object = Pop();
        std::vector<Value> args = PopArguments();
        std::string name = nameValue.IsUndefined() ? "" : vm_.ToString(nameValue);
        Push(vm_.Construct(name.empty() ? object : vm_.GetMember(object, name), args));
        if (!object.IsNullish())
            HaltIfHomeRemoved();
        return true;
    }
    case action::InitArray:
        Push(vm_.NewArray(PopArguments()));
        return true;
    case action::InitObject: {
        double n = PopNumber();
        std::vector<std::pair<Value, Value>> pairs;
        for (double i = 0; i < n && !stack_.empty(); ++i) {
            Value v = Pop();
            pairs.emplace_back(Pop(), v);
        }
        // Properties are made as they come off the stack, the literal's
        // last first, so that for..in lists them in the literal's order.
        ObjectPtr o = vm_.NewObject();
        for (auto& [name, value] : pairs)
            vm_.SetMember(Value(o), vm_.ToString(name), value);
        Push(o);
        return true;
    }
    case action::Enumerate:
    case action::Enumerate2: {
        Value v = Pop();
        if (code == action::Enumerate)
            v = scope_.Get(vm_.ToString(v));
        // The end of the names is undefined (loops test it with == null).
        Push(Value());
        if (v.IsObject()) {
            auto names = vm_.EnumerableNames(v.Object());
            for (auto it = names.rbegin(); it != names.rend(); ++it)
                Push(*it);
        }
        return true;
    }
    case action::InstanceOf: {
        Value constructor = Pop(), v = Pop();
        Push(vm_.InstanceOf(v, constructor));
        return true;
    }
    case action::CastOp: {
        Value v = Pop(), constructor = Pop();
        Push(vm_.InstanceOf(v, constructor) ? v : Value::Null());
        return true;
    }
    case action::ImplementsOp: {
        Value constructor = Pop();
        std::vector<Value> interfaces = PopArguments();
        Value prototype = vm_.GetMember(constructor, "prototype");
        if (prototype.IsObject())
            prototype.Object()->Put("__implements__", Value(vm_.NewArray(interfaces)), DontEnum);
        return true;
    }
    case action::Extends: {
        Value superclass = Pop(), subclass = Pop();
        if (!subclass.IsObject())
            return true;
        Value superPrototype = vm_.GetMember(superclass, "prototype");
        ObjectPtr prototype =
            vm_.NewObject(superPrototype.IsObject() ? superPrototype.Object() : vm_.Protos.Object);
        prototype->Put("__constructor__", superclass, DontEnum);
        subclass.Object()->Put("prototype", Value(prototype), DontEnum);
        return true;
    }
    default:
        return false;
    }
}

// ---- control flow ----

Interpreter::Outcome Interpreter::Control(const Record& r, size_t& pc, size_t end) {
    ByteReader in(r.Body);
    switch (r.Code) {
    case action::Jump: {
        auto offset = static_cast<int16_t>(in.U16());
        return {Outcome::Jumped, static_cast<size_t>(static_cast<ptrdiff_t>(r.Next) + offset)};
    }
    case action::WaitForFrame:
    case action::WaitForFrame2: {
        // The whole movie is in memory, so every frame a movie can have is
        // loaded: only numbers past the plug-in's 16000 frames are not, and
        // the actions that wait for them are skipped.
        double frame = r.Code == action::WaitForFrame ? in.U16() + 1.0 : 0;
        if (r.Code == action::WaitForFrame2) {
            Value v = Pop();
            frame = v.IsNumber() ? v.Number() : 0;
        }
        uint8_t skip = in.U8();
        if (!std::isfinite(frame) || frame != std::trunc(frame) ||
            int32_t(uint32_t(ToInt32(frame)) - 1) <= LastLoadedFrame)
            return {};
        size_t to = r.Next;
        for (uint8_t i = 0; i < skip && to < end; ++i)
            to = ReadRecord(to).Next;
        return {Outcome::Jumped, to};
    }
    case action::If: {
        auto offset = static_cast<int16_t>(in.U16());
        if (ToBoolean(Pop(), a_.Version))
            return {Outcome::Jumped, static_cast<size_t>(static_cast<ptrdiff_t>(r.Next) + offset)};
        return {};
    }
    case action::Return:
        returned_ = Pop();
        return {Outcome::Returned};
    case action::Throw:
        throw ScriptThrow{Pop()};
    case action::DefineFunction:
    case action::DefineFunction2:
        DefineFunction(r, pc, r.Code == action::DefineFunction2);
        return {};
    case action::With:
        return With(r, pc);
    case action::Try:
        return Try(r, pc);
    default:
        (void)end;
        return {}; // unknown actions are skipped
    }
}

void Interpreter::DefineFunction(const Record& r, size_t& pc, bool version2) {
    ByteReader in(r.Body);
    FunctionCode code;
    code.Name = ReadString(in);
    uint16_t count = in.U16();
    code.Version2 = version2;
    if (version2) {
        code.RegisterCount = in.U8();
        code.Flags = in.U16();
    }
    for (uint16_t i = 0; i < count; ++i) {
        FunctionCode::Parameter p;
        if (version2)
            p.Register = in.U8();
        p.Name = ReadString(in);
        code.Parameters.push_back(std::move(p));
    }
    size_t size = in.U16();
    if (pc + size > code_.size())
        throw Error("damaged actions");
    code.Body = code_.subspan(pc, size);
    code.Constants = a_.Constants;
    code.Version = a_.Version;
    pc += size;
    std::string name = code.Name;
    ObjectPtr f = vm_.NewScriptFunction(std::move(code), a_);
    if (name.empty())
        Push(f);
    else
        scope_.DefineLocal(name, Value(f));
}

Interpreter::Outcome Interpreter::With(const Record& r, size_t& pc) {
    ByteReader in(r.Body);
    size_t size = in.U16();
    Value object = Pop();
    size_t begin = pc, end = std::min(pc + size, code_.size());
    pc = end;
    ObjectPtr scope = vm_.ToObject(object);
    if (!scope)
        return {Outcome::Jumped, end};
    a_.Scopes.push_back(scope);
    Outcome o;
    try {
        o = Execute(begin, end);
    } catch (...) {
        a_.Scopes.pop_back();
        throw;
    }
    a_.Scopes.pop_back();
    if (o.Kind == Outcome::Done)
        return {Outcome::Jumped, end};
    return o;
}

Interpreter::Outcome Interpreter::Try(const Record& r, size_t& pc) {
    ByteReader in(r.Body);
    uint8_t flags = in.U8();
    size_t trySize = in.U16(), catchSize = in.U16(), finallySize = in.U16();
    bool hasCatch = flags & 1, hasFinally = flags & 2, catchInRegister = flags & 4;
    std::string catchName;
    uint8_t catchRegister = 0;
    if (catchInRegister)
        catchRegister = in.U8();
    else
        catchName = ReadString(in);
    size_t tryBegin = pc, catchBegin = std::min(tryBegin + trySize, code_.size());
    size_t finallyBegin = std::min(catchBegin + catchSize, code_.size());
    size_t after = std::min(finallyBegin + finallySize, code_.size());
    pc = after;
    auto runFinally = [&](Outcome pending) {
        if (!hasFinally)
            return pending;
        Outcome f = Execute(finallyBegin, after);
        return f.Kind == Outcome::Done ? pending : f;
    };
    size_t depth = stack_.size();
    Outcome o;
    try {
        o = Execute(tryBegin, catchBegin);
    } catch (const ScriptThrow& thrown) {
        // A finally block that returns or jumps away drops the exception.
        if (!hasCatch) {
            if (Outcome f = runFinally({}); f.Kind != Outcome::Done)
                return f;
            throw;
        }
        stack_.resize(std::min(depth, stack_.size()));
        if (catchInRegister) {
            if (catchRegister < a_.Registers.size())
                a_.Registers[catchRegister] = thrown.Thrown;
        } else {
            scope_.DefineLocal(catchName, thrown.Thrown);
        }
        try {
            o = Execute(catchBegin, finallyBegin);
        } catch (const ScriptThrow&) {
            if (Outcome f = runFinally({}); f.Kind != Outcome::Done)
                return f;
            throw;
        }
    }
    // A jump to the end of the try or catch block only leaves it.
    if (o.Kind == Outcome::Jumped && o.Target >= catchBegin && o.Target <= after)
        o = {};
    o = runFinally(o);
    return o.Kind == Outcome::Done ? Outcome{Outcome::Jumped, after} : o;
}

} // namespace swf::script
