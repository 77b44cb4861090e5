// Our decimal beside other decimal types and double, on the arithmetic a
// unit conversion does, in one run so the ratios mean something on a noisy
// machine. Names are BM_<work>/<peer>. Each run also reports, as the counter
// "digits", how many significant digits of its result are correct, and its
// result text as the label, so a doubtful count can be checked by hand.
//
// <decimal/decimal> (GCC's decimal128) builds under -std=c++20 -Wpedantic
// as it is; no GNU dialect is needed. libqalculate, a calculator library
// with exact rational numbers and units of its own, joins the conversions
// when the build found it (TAL_BENCH_HAVE_QALCULATE).
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <decimal/decimal>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include <boost/multiprecision/cpp_dec_float.hpp>
#if TAL_BENCH_HAVE_QALCULATE
#include <libqalculate/qalculate.h>
#endif

#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace {

// ---------------------------------------------------------------------------
// Counting correct digits, on text only, so no peer's own arithmetic judges
// another's result.

/// A number as sign, significant digits (no leading or trailing zeros;
/// empty for zero) and the power of ten of the first digit.
struct Digits {
  bool negative = false;
  std::string digits;
  long exponent = 0;
  friend bool operator==(const Digits&, const Digits&) = default;
};

/// Reads "-1.25E+3", "0.00125", "125e-2"; absent for anything else.
std::optional<Digits> readNumber(std::string_view text) {
  Digits d;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) d.negative = text[i++] == '-';
  std::string mantissa;
  long integerDigits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      mantissa += c;
      if (!point) ++integerDigits;
    } else {
      break;
    }
  }
  if (mantissa.empty()) return std::nullopt;
  long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && text[i] == '+') ++i;
    const auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), exponent);
    if (error != std::errc()) return std::nullopt;
    i = static_cast<std::size_t>(end - text.data());
  }
  if (i != text.size()) return std::nullopt;
  const std::size_t first = mantissa.find_first_not_of('0');
  if (first == std::string::npos) return Digits{};
  const std::size_t last = mantissa.find_last_not_of('0');
  d.digits = mantissa.substr(first, last - first + 1);
  d.exponent = integerDigits - 1 - static_cast<long>(first) + exponent;
  return d;
}

/// `x` rounded half to even to `count` significant digits, written with
/// exactly `count` digits (zeros appended where it has fewer).
Digits roundedTo(Digits x, std::size_t count) {
  if (x.digits.empty()) return x;
  if (x.digits.size() <= count) {
    x.digits.append(count - x.digits.size(), '0');
    return x;
  }
  const char next = x.digits[count];
  const bool restNonZero = x.digits.find_first_not_of('0', count + 1) != std::string::npos;
  x.digits.resize(count);
  const bool odd = (x.digits.back() - '0') % 2 == 1;
  if (next > '5' || (next == '5' && (restNonZero || odd))) {
    std::size_t i = count;
    while (i > 0 && x.digits[i - 1] == '9') x.digits[--i] = '0';
    if (i == 0) {
      // 999… carried into a new leading digit.
      x.digits.insert(x.digits.begin(), '1');
      x.digits.pop_back();
      ++x.exponent;
    } else {
      ++x.digits[i - 1];
    }
  }
  return x;
}

/// How many significant digits of `result` are right: the largest k up to
/// the peer's `precision` at which result and reference round to the same
/// k digits. Rounding both, rather than matching a plain prefix, counts
/// 0.99999996 against 1.00000001 as correct to 7 digits, not to none.
int correctDigits(std::string_view result, int precision, std::string_view reference) {
  const auto got = readNumber(result);
  const auto want = readNumber(reference);
  if (!got || !want || precision <= 0) return 0;
  if (got->digits.empty() || want->digits.empty()) return got->digits.empty() == want->digits.empty() ? precision : 0;
  if (got->negative != want->negative) return 0;
  const Digits own = roundedTo(*got, static_cast<std::size_t>(precision));
  for (int k = precision; k > 0; --k) {
    const auto count = static_cast<std::size_t>(k);
    if (roundedTo(own, count) == roundedTo(*want, count)) return k;
  }
  return 0;
}

// ---------------------------------------------------------------------------
// The peers: how each reads an exact decimal text and writes its result.

struct TalPeer {
  using Value = tal::Decimal;
  static constexpr const char* kName = "tal";
  static constexpr int kPrecision = tal::Decimal::kMaxDigits;
  static std::optional<Value> read(std::string_view text) { return tal::Decimal::fromString(text); }
  static std::string write(const Value& v) { return v.toScientificString(); }
};

struct Decimal128Peer {
  using Value = std::decimal::decimal128;
  static constexpr const char* kName = "decimal128";
  static constexpr int kPrecision = 34;

  // libstdc++ reads no decimal text, so build the value from whole parts:
  // the top digits shifted left plus the bottom 19, one correctly rounded
  // addition. Enough for the up-to-38-digit operands used here.
  static std::optional<Value> read(std::string_view text) {
    const auto d = readNumber(text);
    if (!d || d->digits.size() > 38) return std::nullopt;
    if (d->digits.empty()) return Value(0);
    const std::string& digits = d->digits;
    const std::size_t lowCount = digits.size() < 19 ? digits.size() : 19;
    const std::size_t highCount = digits.size() - lowCount;
    const auto lowExponent = static_cast<int>(d->exponent - static_cast<long>(digits.size()) + 1);
    const unsigned long long low = std::strtoull(digits.substr(highCount).c_str(), nullptr, 10);
    Value v = std::decimal::make_decimal128(low, lowExponent);
    if (highCount > 0) {
      const unsigned long long high = std::strtoull(digits.substr(0, highCount).c_str(), nullptr, 10);
      v = std::decimal::make_decimal128(high, lowExponent + 19) + v;
    }
    return d->negative ? -v : v;
  }

  // Nor does it write any: scale into [1, 10) by exact steps of ten, then
  // read the 34 digits out as two 17-digit integers.
  static std::string write(const Value& x) {
    using std::decimal::decimal128_to_long_long;
    using std::decimal::make_decimal128;
    if (x != x) return "NaN";
    if (x == Value(0)) return "0";
    Value m = x < Value(0) ? -x : x;
    const Value one(1), ten(10);
    long exponent = 0;
    for (int guard = 0; m >= ten && guard < 7000; ++guard, ++exponent) m /= ten;
    for (int guard = 0; m < one && guard < 7000; ++guard, --exponent) m *= ten;
    const Value whole = m * make_decimal128(1LL, kPrecision - 1);
    const Value split = make_decimal128(1LL, 17);
    const long long high = decimal128_to_long_long(whole / split);
    const long long low = decimal128_to_long_long(whole - Value(high) * split);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lld%017lld", high, low);
    std::string out = x < Value(0) ? "-" : "";
    out += buffer[0];
    out += '.';
    out += buffer + 1;
    out += 'E' + std::to_string(exponent);
    return out;
  }
};

struct CppDecFloatPeer {
  using Value = boost::multiprecision::cpp_dec_float_50;
  static constexpr const char* kName = "cpp_dec_float_50";
  static constexpr int kPrecision = 50;
  static std::optional<Value> read(std::string_view text) {
    try {
      return Value(std::string(text));
    } catch (const std::exception&) {
      return std::nullopt;
    }
  }
  static std::string write(const Value& v) { return v.str(kPrecision - 1, std::ios_base::scientific); }
};

struct DoublePeer {
  using Value = double;
  static constexpr const char* kName = "double";
  static constexpr int kPrecision = 17;
  static std::optional<Value> read(std::string_view text) {
    double v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
  }
  static std::string write(Value v) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, kPrecision - 1).ptr;
    return std::string(buffer, end);
  }
};

// ---------------------------------------------------------------------------
// The work. Inputs are exact decimal text; each peer reads them once, outside
// the timed loop. References are the exact results to 60 digits, from
// Python's decimal module (getcontext().prec = 60), not from any peer:
//   a*b, a+b, a/b with a, b below; Decimal("1.5")*1000/Decimal("1609.344");
//   (Decimal(100)-32)*5/9; Decimal("3141592.65358979323846264338328")/Decimal("0.3048");
//   Decimal(100)/20.

constexpr std::string_view kA = "1.2345678901234567890123456789012345678";
constexpr std::string_view kB = "9.8765432109876543210987654321098765432";

struct Multiply38 {
  static constexpr const char* kName = "Multiply38";
  static constexpr std::array<std::string_view, 2> kInputs{kA, kB};
  static constexpr std::string_view kReference = "12.1932631137021795226185032733866788585474775186434994665432";
  template <class T>
  static T compute(const std::array<T, 2>& in) {
    return in[0] * in[1];
  }
};

struct Add38 {
  static constexpr const char* kName = "Add38";
  static constexpr std::array<std::string_view, 2> kInputs{kA, kB};
  static constexpr std::string_view kReference = "11.1111111011111111101111111110111111110";
  template <class T>
  static T compute(const std::array<T, 2>& in) {
    return in[0] + in[1];
  }
};

struct Divide38 {
  static constexpr const char* kName = "Divide38";
  static constexpr std::array<std::string_view, 2> kInputs{kA, kB};
  static constexpr std::string_view kReference = "0.124999998860937500014238281249822021475391287231302901878488";
  template <class T>
  static T compute(const std::array<T, 2>& in) {
    return in[0] / in[1];
  }
};

// The conversions: the first input is the value, the rest are the factors
// the catalogue defines; tal runs the real convert between the named units.
struct KilometresToMiles {
  static constexpr const char* kName = "KilometresToMiles";
  static constexpr tal::TalUnitCategory kCategory = tal::TalUnitCategory::length;
  static constexpr std::string_view kFrom = "km", kTo = "mi";
  static constexpr const char* kQalcValue = "1.5 km";
  static constexpr const char* kQalcTo = "mi";
  static constexpr std::array<std::string_view, 3> kInputs{"1.5", "1000", "1609.344"};
  static constexpr std::string_view kReference = "0.932056788356000954426151276544977332378907182056788356000954";
  template <class T>
  static T compute(const std::array<T, 3>& in) {
    return in[0] * in[1] / in[2];
  }
};

struct FahrenheitToCelsius {
  static constexpr const char* kName = "FahrenheitToCelsius";
  static constexpr tal::TalUnitCategory kCategory = tal::TalUnitCategory::temperature;
  static constexpr std::string_view kFrom = "°F", kTo = "°C";
  static constexpr const char* kQalcValue = "100 oF";
  static constexpr const char* kQalcTo = "oC";
  static constexpr std::array<std::string_view, 4> kInputs{"100", "32", "5", "9"};
  static constexpr std::string_view kReference = "37.7777777777777777777777777777777777777777777777777777777778";
  template <class T>
  static T compute(const std::array<T, 4>& in) {
    return (in[0] - in[1]) * in[2] / in[3];
  }
};

struct Metres30DigitsToFeet {
  static constexpr const char* kName = "Metres30DigitsToFeet";
  static constexpr tal::TalUnitCategory kCategory = tal::TalUnitCategory::length;
  static constexpr std::string_view kFrom = "m", kTo = "ft";
  static constexpr const char* kQalcValue = "3141592.65358979323846264338328 m";
  static constexpr const char* kQalcTo = "ft";
  static constexpr std::array<std::string_view, 2> kInputs{"3141592.65358979323846264338328", "0.3048"};
  static constexpr std::string_view kReference = "10307062.5117775368715965990265091863517060367454068241469816";
  template <class T>
  static T compute(const std::array<T, 2>& in) {
    return in[0] / in[1];
  }
};

struct KilometresPerLitreToLitresPer100Km {
  static constexpr const char* kName = "KilometresPerLitreToLitresPer100Km";
  static constexpr tal::TalUnitCategory kCategory = tal::TalUnitCategory::fuelEfficiencyVolume;
  static constexpr std::string_view kFrom = "km/L", kTo = "L/100km";
  static constexpr const char* kQalcValue = "20 km/L";
  static constexpr const char* kQalcTo = "L/(100 km)";
  static constexpr std::array<std::string_view, 2> kInputs{"20", "100"};
  static constexpr std::string_view kReference = "5";
  template <class T>
  static T compute(const std::array<T, 2>& in) {
    return in[1] / in[0];
  }
};

template <class Work>
concept Conversion = requires { Work::kCategory; };

// Hands `object`'s address to the optimiser's blind spot once; after that a
// ClobberMemory() makes it reload the object, so the timed work is redone
// every iteration. Google Benchmark's DoNotOptimize(T&) on the operands
// themselves ("+m,r") garbled our double operands under GCC 12 -O3.
template <class T>
void escape(T& object) {
  T* address = &object;
  benchmark::DoNotOptimize(address);
}

void report(benchmark::State& state, const std::string& result, int precision, std::string_view reference) {
  state.SetLabel(result);
  state.counters["digits"] = correctDigits(result, precision, reference);
  state.counters["precision"] = precision;
}

template <class Peer, class Work>
void BM_Arithmetic(benchmark::State& state) {
  using Value = typename Peer::Value;
  constexpr std::size_t n = Work::kInputs.size();
  std::array<Value, n> in{};
  for (std::size_t i = 0; i < n; ++i) {
    const auto v = Peer::read(Work::kInputs[i]);
    if (!v) {
      state.SkipWithError("an input does not read");
      return;
    }
    in[i] = *v;
  }
  escape(in);
  for (auto _ : state) {
    benchmark::ClobberMemory();
    benchmark::DoNotOptimize(Work::compute(in));
  }
  report(state, Peer::write(Work::compute(in)), Peer::kPrecision, Work::kReference);
}

std::optional<tal::TalUnit> unitWithSymbol(tal::TalUnitCategory category, std::string_view symbol) {
  for (const auto& u : category.getUnits())
    if (u.symbol() == symbol) return u;
  return std::nullopt;
}

template <class Work>
void BM_TalConvert(benchmark::State& state) {
  const auto from = unitWithSymbol(Work::kCategory, Work::kFrom);
  const auto to = unitWithSymbol(Work::kCategory, Work::kTo);
  const auto read = tal::Decimal::fromString(Work::kInputs[0]);
  if (!from || !to || !read) {
    state.SkipWithError("a unit or the value is missing");
    return;
  }
  tal::Decimal value = *read;
  escape(value);
  for (auto _ : state) {
    benchmark::ClobberMemory();
    benchmark::DoNotOptimize(tal::TalMeasurement::convert(value, *from, *to));
  }
  const auto result = tal::TalMeasurement::convert(value, *from, *to);
  report(state, result ? TalPeer::write(*result) : "absent", TalPeer::kPrecision, Work::kReference);
}

#if TAL_BENCH_HAVE_QALCULATE
// libqalculate converts a quantity (number × unit) to a unit with exact
// rationals wherever the factors allow, at 40 digits otherwise. Its own unit
// table supplies the factors; it uses the same definitions as ours for these
// four. A composite target such as L/(100 km) comes back in simpler units
// ("(1/20) L/km"), so for it the result is divided by the target and
// evaluated once more to give the plain number, inside the timed loop.
struct QalcPeer {
  static constexpr const char* kName = "libqalculate";
  static constexpr int kPrecision = 40;

  static Calculator& calculator() {
    static Calculator* const calc = [] {
      auto* c = new Calculator();
      c->loadGlobalDefinitions();
      c->setPrecision(kPrecision);
      return c;
    }();
    return *calc;
  }
  static EvaluationOptions evaluation() {
    EvaluationOptions eo;
    eo.approximation = APPROXIMATION_TRY_EXACT;
    eo.interval_calculation = INTERVAL_CALCULATION_NONE;
    return eo;
  }
  static std::string write(const MathStructure& result) {
    PrintOptions po;
    po.number_fraction_format = FRACTION_DECIMAL;
    po.use_unicode_signs = false;
    po.min_exp = EXP_NONE;
    if (result.isNumber()) return result.number().print(po);
    if (result.isMultiplication() && result.size() > 0 && result[0].isNumber()) return result[0].number().print(po);
    return "unreadable: " + calculator().print(result, 1000, po);
  }
};

template <class Work>
void BM_QalcConvert(benchmark::State& state) {
  Calculator& calc = QalcPeer::calculator();
  const EvaluationOptions eo = QalcPeer::evaluation();
  const MathStructure value = calc.parse(Work::kQalcValue);
  Unit* const unit = calc.getActiveUnit(Work::kQalcTo);
  const MathStructure target = calc.parse(Work::kQalcTo);
  const auto convert = [&] {
    if (unit != nullptr) return calc.convert(value, unit, eo, true, false);
    MathStructure inTarget = calc.convert(value, Work::kQalcTo, eo);
    inTarget.divide(target);
    return calc.calculate(inTarget, eo);
  };
  for (auto _ : state) benchmark::DoNotOptimize(convert());
  report(state, QalcPeer::write(convert()), QalcPeer::kPrecision, Work::kReference);
}
#endif

template <class Peer, class Work>
void add(void (*fn)(benchmark::State&)) {
  benchmark::RegisterBenchmark((std::string("BM_") + Work::kName + "/" + Peer::kName).c_str(), fn);
}

template <class Work>
void addAllPeers() {
  if constexpr (Conversion<Work>)
    add<TalPeer, Work>(BM_TalConvert<Work>);
  else
    add<TalPeer, Work>(BM_Arithmetic<TalPeer, Work>);
  add<Decimal128Peer, Work>(BM_Arithmetic<Decimal128Peer, Work>);
  add<CppDecFloatPeer, Work>(BM_Arithmetic<CppDecFloatPeer, Work>);
  add<DoublePeer, Work>(BM_Arithmetic<DoublePeer, Work>);
#if TAL_BENCH_HAVE_QALCULATE
  if constexpr (Conversion<Work>) add<QalcPeer, Work>(BM_QalcConvert<Work>);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  addAllPeers<Multiply38>();
  addAllPeers<Add38>();
  addAllPeers<Divide38>();
  addAllPeers<KilometresToMiles>();
  addAllPeers<FahrenheitToCelsius>();
  addAllPeers<Metres30DigitsToFeet>();
  addAllPeers<KilometresPerLitreToLitresPer100Km>();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
