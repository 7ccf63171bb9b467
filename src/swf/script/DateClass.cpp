#include "swf/script/Builtins.h"
#include "swf/script/DateTime.h"
#include "swf/script/Vm.h"

#include <array>
#include <climits>
#include <cmath>

namespace swf::script::builtins {
namespace {

// A Date keeps its time (milliseconds since 1970 UTC) as its primitive.
double TimeOf(const Value& self) {
    if (self.IsObject() && self.Object()->Primitive && self.Object()->Primitive->IsNumber())
        return self.Object()->Primitive->Number();
    return std::nan("");
}

void SetTime(const Value& self, double t) {
    if (self.IsObject())
        self.Object()->Primitive = Value(t);
}

// Years 0 to 99 mean 1900 to 1999 where the year is given with the month.
double FullYear(double year) { return year >= 0 && year <= 99 ? 1900 + std::trunc(year) : year; }

// The fields of a time, local or UTC. An infinite time gives what the
// plug-in's integer arithmetic makes of it: each field from the lowest
// integer, moved into range once.
CalendarFields Fields(Vm& vm, double t, bool utc) {
    if (std::isinf(t)) {
        const double low = INT_MIN;
        return {low + 1970, 0, low + 1, low + 7, low + 24, low + 60, low + 60, low + 1000};
    }
    return SplitTime(utc ? t : t + vm.Clock.ZoneOffset(t));
}

using FieldOf = double (*)(const CalendarFields&);

struct Getter {
    const char* Name;
    FieldOf Field;
};

constexpr std::array<Getter, 9> Getters = {{
    {"FullYear", [](const CalendarFields& f) { return f.Year; }},
    {"Year", [](const CalendarFields& f) { return f.Year - 1900; }},
    {"Month", [](const CalendarFields& f) { return f.Month; }},
    {"Date", [](const CalendarFields& f) { return f.Date; }},
    {"Day", [](const CalendarFields& f) { return f.Day; }},
    {"Hours", [](const CalendarFields& f) { return f.Hours; }},
    {"Minutes", [](const CalendarFields& f) { return f.Minutes; }},
    {"Seconds", [](const CalendarFields& f) { return f.Seconds; }},
    {"Milliseconds", [](const CalendarFields& f) { return f.Milliseconds; }},
}};

void InstallGetters(Vm& vm, const ObjectPtr& proto) {
    for (const Getter& g : Getters) {
        for (bool utc : {false, true}) {
            std::string name = utc ? "getUTC" : "get";
            name += g.Name;
            FieldOf field = g.Field;
            vm.Method(proto, name, [field, utc](Vm& vm, const Value& self, std::span<const Value>) -> Value {
                double t = TimeOf(self);
                return std::isnan(t) ? t : field(Fields(vm, t, utc));
            });
        }
    }
}

// The setters: which field the first argument sets, and how many fields
// after it the following arguments may set.
enum Field { Year, Month, Date, Hours, Minutes, Seconds, Milliseconds };

struct Setter {
    const char* Name;
    Field First;
    int Count;
};

constexpr std::array<Setter, 7> Setters = {{
    {"FullYear", Year, 3},
    {"Month", Month, 2},
    {"Date", Date, 1},
    {"Hours", Hours, 4},
    {"Minutes", Minutes, 3},
    {"Seconds", Seconds, 2},
    {"Milliseconds", Milliseconds, 1},
}};

// Sets fields of the time (local or UTC) from the arguments; a date without
// a time counts from 1970 when its year is set.
Value SetFields(Vm& vm, const Value& self, std::span<const Value> args, Field first, int count, bool utc,
                bool shortYear) {
    double t = TimeOf(self);
    if (std::isnan(t) && first != Year)
        return t;
    double offset = utc || std::isnan(t) ? 0 : vm.Clock.ZoneOffset(t);
    CalendarFields f = SplitTime(std::isnan(t) ? 0 : t + offset);
    std::array<double, 7> v = {f.Year, f.Month, f.Date, f.Hours, f.Minutes, f.Seconds, f.Milliseconds};
    for (int i = 0; i < count && size_t(i) < args.size(); ++i)
        v[size_t(first + i)] = vm.ToNumber(args[size_t(i)]);
    if (args.empty())
        v[size_t(first)] = std::nan("");
    if (shortYear)
        v[Year] = FullYear(v[Year]);
    double local = MakeTime(v[Year], v[Month], v[Date], v[Hours], v[Minutes], v[Seconds], v[Milliseconds]);
    double result = utc ? local : local - vm.Clock.ZoneOffset(local - offset);
    SetTime(self, result);
    return result;
}

void InstallSetters(Vm& vm, const ObjectPtr& proto) {
    for (const Setter& s : Setters) {
        for (bool utc : {false, true}) {
            std::string name = utc ? "setUTC" : "set";
            name += s.Name;
            Field first = s.First;
            int count = s.Count;
            vm.Method(proto, name,
                      [first, count, utc](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                          return SetFields(vm, self, args, first, count, utc, false);
                      });
        }
    }
    vm.Method(proto, "setYear", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        return SetFields(vm, self, args, Year, 1, false, true);
    });
    vm.Method(proto, "setTime", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        double t = vm.ToNumber(Arg(args, 0));
        SetTime(self, t);
        return t;
    });
}

// The time of year, month and the fields after them, as Date.UTC and the
// constructor take them (local time for the constructor).
double TimeFromArguments(Vm& vm, std::span<const Value> args) {
    std::array<double, 7> v = {0, 0, 1, 0, 0, 0, 0};
    for (size_t i = 0; i < v.size() && i < args.size(); ++i)
        v[i] = vm.ToNumber(args[i]);
    return MakeTime(FullYear(v[0]), v[1], v[2], v[3], v[4], v[5], v[6]);
}

Value Construct(Vm& vm, const Value& self, std::span<const Value> args) {
    double t;
    if (args.empty()) {
        t = vm.Clock.Now();
    } else if (args.size() == 1) {
        double other = TimeOf(args[0]);
        t = args[0].IsObject() && !std::isnan(other) ? other : vm.ToNumber(args[0]);
    } else {
        double local = TimeFromArguments(vm, args);
        t = local - vm.Clock.ZoneOffset(local);
    }
    SetTime(self, t);
    return self;
}

Value Text(Vm& vm, const Value& self) {
    double t = TimeOf(self);
    return DateText(t, std::isfinite(t) ? vm.Clock.ZoneOffset(t) : 0);
}

} // namespace

void InstallDate(Vm& vm) {
    vm.Protos.Date = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.Date;
    // Called as a function, Date gives the text of the present moment.
    ObjectPtr ctor = vm.NewClass(
        proto,
        [](Vm& vm, const Value&, std::span<const Value>) -> Value {
            double now = vm.Clock.Now();
            return DateText(now, vm.Clock.ZoneOffset(now));
        },
        Construct);
    InstallGetters(vm, proto);
    InstallSetters(vm, proto);
    vm.Method(proto, "getTime",
              [](Vm&, const Value& self, std::span<const Value>) -> Value { return TimeOf(self); });
    vm.Method(proto, "valueOf",
              [](Vm&, const Value& self, std::span<const Value>) -> Value { return TimeOf(self); });
    vm.Method(proto, "getTimezoneOffset", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        double t = TimeOf(self);
        return std::isfinite(t) ? -vm.Clock.ZoneOffset(t) / 60000 : std::nan("");
    });
    vm.Method(proto, "toString",
              [](Vm& vm, const Value& self, std::span<const Value>) { return Text(vm, self); });
    vm.Method(ctor, "UTC", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return TimeFromArguments(vm, args);
    });
    vm.Global()->Put("Date", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
