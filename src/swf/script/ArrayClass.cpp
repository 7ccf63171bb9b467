#include "swf/script/Builtins.h"
#include "swf/script/Text.h"
#include "swf/script/Vm.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace swf::script::builtins {
namespace {

enum SortFlag { CaseInsensitive = 1, Descending = 2, UniqueSort = 4, ReturnIndexedArray = 8, Numeric = 16 };

ArrayObject* AsArray(const Value& v) {
    return v.IsObject() ? dynamic_cast<ArrayObject*>(v.Object().get()) : nullptr;
}

// A position argument: negative counts from the end; clamped to [0, length].
size_t Position(Vm& vm, const Value& v, size_t length, size_t fallback) {
    if (v.IsUndefined())
        return fallback;
    double d = ToInteger(vm.ToNumber(v));
    if (d < 0)
        d = std::max(0.0, double(length) + d);
    return static_cast<size_t>(std::min(d, double(length)));
}

std::string Join(Vm& vm, const ArrayObject& a, const std::string& separator) {
    std::string out;
    for (size_t i = 0; i < a.Elements.size(); ++i) {
        if (i)
            out += separator;
        out += vm.ToString(a.Elements[i]);
    }
    return out;
}

// Merge sort that stays in bounds whatever the comparison answers (a
// script's compare function need not be consistent).
void MergeSort(std::vector<size_t>& items, const std::function<bool(size_t, size_t)>& less) {
    std::vector<size_t> buffer(items.size());
    for (size_t width = 1; width < items.size(); width *= 2) {
        for (size_t lo = 0; lo < items.size(); lo += 2 * width) {
            size_t mid = std::min(lo + width, items.size()), hi = std::min(lo + 2 * width, items.size());
            size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi)
                buffer[k++] = less(items[j], items[i]) ? items[j++] : items[i++];
            while (i < mid)
                buffer[k++] = items[i++];
            while (j < hi)
                buffer[k++] = items[j++];
        }
        items.swap(buffer);
    }
}

int CompareDefault(Vm& vm, const Value& a, const Value& b, int flags) {
    if (flags & Numeric) {
        double x = vm.ToNumber(a), y = vm.ToNumber(b);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    std::string x = vm.ToString(a), y = vm.ToString(b);
    if (flags & CaseInsensitive) {
        x = ToLowerAscii(x);
        y = ToLowerAscii(y);
    }
    return x < y ? -1 : x > y ? 1 : 0;
}

Value SortBy(Vm& vm, ArrayObject& a, const std::function<int(const Value&, const Value&)>& compare,
             int flags) {
    std::vector<size_t> order(a.Elements.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::vector<Value> values = a.Elements;
    bool duplicate = false;
    MergeSort(order, [&](size_t x, size_t y) {
        int c = compare(values[x], values[y]);
        duplicate = duplicate || c == 0;
        return (flags & Descending) ? c > 0 : c < 0;
    });
    if ((flags & UniqueSort) && duplicate)
        return 0.0;
    if (flags & ReturnIndexedArray) {
        std::vector<Value> indices;
        for (size_t i : order)
            indices.push_back(double(i));
        return vm.NewArray(std::move(indices));
    }
    for (size_t i = 0; i < order.size(); ++i)
        a.Elements[i] = values[order[i]];
    return Value(a.shared_from_this());
}

Value Sort(Vm& vm, const Value& self, std::span<const Value> args) {
    ArrayObject* a = AsArray(self);
    if (!a)
        return {};
    Value f = Arg(args, 0);
    int flags = 0;
    if (f.IsObject() && f.Object()->Callable()) {
        flags = static_cast<int>(vm.ToNumber(Arg(args, 1)));
        return SortBy(
            vm, *a,
            [&](const Value& x, const Value& y) {
                Value pair[] = {x, y};
                double r = vm.ToNumber(vm.Call(f, Value(), pair));
                return r < 0 ? -1 : r > 0 ? 1 : 0;
            },
            flags);
    }
    // Anything but a function or flags makes sort do nothing.
    if (!args.empty() && !f.IsNumber())
        return {};
    flags = f.IsNumber() ? static_cast<int>(f.Number()) : 0;
    return SortBy(
        vm, *a, [&](const Value& x, const Value& y) { return CompareDefault(vm, x, y, flags); }, flags);
}

Value SortOn(Vm& vm, const Value& self, std::span<const Value> args) {
    ArrayObject* a = AsArray(self);
    if (!a)
        return {};
    std::string field = vm.ToString(Arg(args, 0));
    int flags = Arg(args, 1).IsNumber() ? static_cast<int>(Arg(args, 1).Number()) : 0;
    return SortBy(
        vm, *a,
        [&](const Value& x, const Value& y) {
            return CompareDefault(vm, vm.GetMember(x, field), vm.GetMember(y, field), flags);
        },
        flags);
}

Value Splice(Vm& vm, const Value& self, std::span<const Value> args) {
    ArrayObject* a = AsArray(self);
    if (!a || args.empty() || args[0].IsUndefined())
        return {};
    size_t length = a->Elements.size();
    size_t start = Position(vm, args[0], length, 0);
    size_t count = length - start;
    if (args.size() > 1) {
        // A count that is undefined or negative leaves the array alone.
        double n = ToInteger(vm.ToNumber(args[1]));
        if (args[1].IsUndefined() || n < 0)
            return {};
        count = static_cast<size_t>(std::min(n, double(length - start)));
    }
    auto first = a->Elements.begin() + static_cast<ptrdiff_t>(start);
    std::vector<Value> removed(first, first + static_cast<ptrdiff_t>(count));
    a->Elements.erase(first, first + static_cast<ptrdiff_t>(count));
    if (args.size() > 2)
        a->Elements.insert(a->Elements.begin() + static_cast<ptrdiff_t>(start), args.begin() + 2, args.end());
    return vm.NewArray(std::move(removed));
}

Value Concat(Vm& vm, const Value& self, std::span<const Value> args) {
    ArrayObject* a = AsArray(self);
    std::vector<Value> out = a ? a->Elements : std::vector<Value>{};
    for (const Value& v : args) {
        if (ArrayObject* other = AsArray(v))
            out.insert(out.end(), other->Elements.begin(), other->Elements.end());
        else
            out.push_back(v);
    }
    return vm.NewArray(std::move(out));
}

void InstallMethods(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "push", [](Vm&, const Value& self, std::span<const Value> args) -> Value {
        ArrayObject* a = AsArray(self);
        if (!a)
            return {};
        a->Elements.insert(a->Elements.end(), args.begin(), args.end());
        return double(a->Elements.size());
    });
    vm.Method(proto, "pop", [](Vm&, const Value& self, std::span<const Value>) -> Value {
        ArrayObject* a = AsArray(self);
        if (!a || a->Elements.empty())
            return {};
        Value v = a->Elements.back();
        a->Elements.pop_back();
        return v;
    });
    vm.Method(proto, "shift", [](Vm&, const Value& self, std::span<const Value>) -> Value {
        ArrayObject* a = AsArray(self);
        if (!a || a->Elements.empty())
            return {};
        Value v = a->Elements.front();
        a->Elements.erase(a->Elements.begin());
        return v;
    });
    vm.Method(proto, "unshift", [](Vm&, const Value& self, std::span<const Value> args) -> Value {
        ArrayObject* a = AsArray(self);
        if (!a)
            return {};
        a->Elements.insert(a->Elements.begin(), args.begin(), args.end());
        return double(a->Elements.size());
    });
    vm.Method(proto, "join", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        ArrayObject* a = AsArray(self);
        return a ? Join(vm, *a, Arg(args, 0).IsUndefined() ? "," : vm.ToString(args[0])) : Value();
    });
    NativeCall toString = [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        ArrayObject* a = AsArray(self);
        return a ? Value(Join(vm, *a, ",")) : Value("[object Object]");
    };
    vm.Method(proto, "toString", toString);
    vm.Method(proto, "reverse", [](Vm&, const Value& self, std::span<const Value>) -> Value {
        if (ArrayObject* a = AsArray(self))
            std::reverse(a->Elements.begin(), a->Elements.end());
        return self;
    });
    vm.Method(proto, "slice", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        ArrayObject* a = AsArray(self);
        if (!a)
            return {};
        size_t length = a->Elements.size();
        size_t start = Position(vm, Arg(args, 0), length, 0),
               end = Position(vm, Arg(args, 1), length, length);
        if (end < start)
            end = start;
        return vm.NewArray({a->Elements.begin() + static_cast<ptrdiff_t>(start),
                            a->Elements.begin() + static_cast<ptrdiff_t>(end)});
    });
    vm.Method(proto, "splice", Splice);
    vm.Method(proto, "concat", Concat);
    vm.Method(proto, "sort", Sort);
    vm.Method(proto, "sortOn", SortOn);
}

} // namespace

void InstallArray(Vm& vm) {
    vm.Protos.Array = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.Array;
    NativeCall make = [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        if (args.size() == 1 && args[0].IsNumber()) {
            double n = args[0].Number();
            ObjectPtr a = vm.NewArray();
            if (n >= 0 && n <= double(ArrayObject::MaxLength))
                static_cast<ArrayObject&>(*a).Resize(static_cast<size_t>(n));
            return a;
        }
        return vm.NewArray({args.begin(), args.end()});
    };
    ObjectPtr ctor = vm.NewClass(proto, make, make);
    InstallMethods(vm, proto);
    ctor->Put("CASEINSENSITIVE", 1.0, DontEnum | DontDelete | ReadOnly);
    ctor->Put("DESCENDING", 2.0, DontEnum | DontDelete | ReadOnly);
    ctor->Put("UNIQUESORT", 4.0, DontEnum | DontDelete | ReadOnly);
    ctor->Put("RETURNINDEXEDARRAY", 8.0, DontEnum | DontDelete | ReadOnly);
    ctor->Put("NUMERIC", 16.0, DontEnum | DontDelete | ReadOnly);
    vm.Global()->Put("Array", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
