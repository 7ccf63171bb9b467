#pragma once

#include "swf/script/Activation.h"
#include "swf/script/Scope.h"

#include <span>
#include <vector>

namespace swf {
class ByteReader;
}

namespace swf::script {

class Vm;

// Runs one block of action records: the stack machine, jumps, `with` and
// try blocks (run as nested ranges of the same code), and every action of
// SWF 3 to 7.
class Interpreter {
public:
    // More values than this on the stack stop the script.
    static constexpr size_t MaxStack = size_t(1) << 20;

    Interpreter(Vm& vm, Activation& activation) : vm_(vm), a_(activation), scope_(vm, activation) {}

    // The value of `return`, undefined when the block ends without one.
    Value Run(std::span<const uint8_t> code);

private:
    struct Outcome {
        enum Kind { Done, Returned, Jumped } Kind = Done;
        size_t Target = 0;
    };
    struct Record {
        uint8_t Code = 0;
        std::span<const uint8_t> Body;
        size_t Next = 0; // where the following record starts
    };

    Record ReadRecord(size_t pc) const;
    Outcome Execute(size_t begin, size_t end);
    // One action; the outcome tells whether control leaves the record order.
    Outcome Dispatch(const Record& r, size_t& pc, size_t end);
    bool Timeline(const Record& r);
    bool Stack(const Record& r);
    bool Arithmetic(uint8_t code);
    void Numeric(uint8_t code);
    bool Strings(uint8_t code);
    bool Variables(uint8_t code);
    bool Objects(uint8_t code);
    Outcome Control(const Record& r, size_t& pc, size_t end);

    void Push(Value v);
    Value Pop();
    std::vector<Value> PopArguments();
    std::string PopString();
    double PopNumber();

    void PushValues(ByteReader& in);
    void DefineFunction(const Record& r, size_t& pc, bool version2);
    Outcome With(const Record& r, size_t& pc);
    Outcome Try(const Record& r, size_t& pc);
    void GotoFrame2(const Record& r);
    void CallFrame();
    void UnfoundTarget();
    Value Equals(const Value& a, const Value& b);
    Value Less(const Value& a, const Value& b);
    Value Add(const Value& a, const Value& b);
    Value Boolean(bool b) const;
    // The plug-in stops a block at its next call once the clip the code
    // belongs to has been removed (the caller of a function goes on).
    void HaltIfHomeRemoved();
    Value CallNamed(const Value& object, const std::string& name, std::span<const Value> args);
    std::string ReadString(ByteReader& in) const;

    Vm& vm_;
    Activation& a_;
    Scope scope_;
    std::span<const uint8_t> code_;
    std::vector<Value> stack_;
    Value returned_;
    bool halted_ = false;
};

} // namespace swf::script
