#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

#include <cmath>
#include <numbers>
#include <random>

namespace swf::script::builtins {
namespace {

using Unary = double (*)(double);

void Function1(Vm& vm, const ObjectPtr& math, const char* name, Unary f) {
    vm.Method(math, name, [f](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return f(vm.ToNumber(Arg(args, 0)));
    });
}

double Round(double d) { return std::floor(d + 0.5); }

// Math.min and Math.max of the first two arguments.
double Extreme(Vm& vm, std::span<const Value> args, double none, double (*pick)(double, double)) {
    if (args.empty())
        return none;
    double a = vm.ToNumber(args[0]);
    if (args.size() < 2)
        return std::nan("");
    double b = vm.ToNumber(args[1]);
    return std::isnan(a) || std::isnan(b) ? std::nan("") : pick(a, b);
}

} // namespace

void InstallMath(Vm& vm) {
    ObjectPtr math = vm.NewObject();
    Function1(vm, math, "abs", [](double d) { return std::fabs(d); });
    Function1(vm, math, "acos", [](double d) { return std::acos(d); });
    Function1(vm, math, "asin", [](double d) { return std::asin(d); });
    Function1(vm, math, "atan", [](double d) { return std::atan(d); });
    Function1(vm, math, "ceil", [](double d) { return std::ceil(d); });
    Function1(vm, math, "cos", [](double d) { return std::cos(d); });
    Function1(vm, math, "exp", [](double d) { return std::exp(d); });
    Function1(vm, math, "floor", [](double d) { return std::floor(d); });
    Function1(vm, math, "log", [](double d) { return std::log(d); });
    Function1(vm, math, "round", Round);
    Function1(vm, math, "sin", [](double d) { return std::sin(d); });
    Function1(vm, math, "sqrt", [](double d) { return std::sqrt(d); });
    Function1(vm, math, "tan", [](double d) { return std::tan(d); });
    vm.Method(math, "atan2", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return std::atan2(vm.ToNumber(Arg(args, 0)), vm.ToNumber(Arg(args, 1)));
    });
    vm.Method(math, "pow", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return std::pow(vm.ToNumber(Arg(args, 0)), vm.ToNumber(Arg(args, 1)));
    });
    // min and max: NaN wins; no arguments give the infinities. A lone
    // argument is still converted (its valueOf runs) but gives NaN.
    vm.Method(math, "min", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return Extreme(vm, args, INFINITY, [](double a, double b) { return std::min(a, b); });
    });
    vm.Method(math, "max", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return Extreme(vm, args, -INFINITY, [](double a, double b) { return std::max(a, b); });
    });
    vm.Method(math, "random", [](Vm&, const Value&, std::span<const Value>) -> Value {
        static std::mt19937_64 generator(std::random_device{}());
        return std::uniform_real_distribution<double>(0, 1)(generator);
    });
    const uint8_t constant = DontEnum | DontDelete | ReadOnly;
    math->Put("E", std::numbers::e, constant);
    math->Put("LN10", std::numbers::ln10, constant);
    math->Put("LN2", std::numbers::ln2, constant);
    math->Put("LOG10E", std::numbers::log10e, constant);
    math->Put("LOG2E", std::numbers::log2e, constant);
    math->Put("PI", std::numbers::pi, constant);
    math->Put("SQRT1_2", std::numbers::sqrt2 / 2, constant);
    math->Put("SQRT2", std::numbers::sqrt2, constant);
    vm.Global()->Put("Math", Value(math), DontEnum);
}

} // namespace swf::script::builtins
