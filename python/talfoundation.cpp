// talfoundation: the library's exact conversions, categories, units and
// exchange-rate snapshots for Python. Values travel as talfoundation.Decimal,
// which turns into Python's decimal.Decimal exactly. Where the C++ API answers
// with an absent value, this module raises, as Python callers expect:
// ValueError for a bad number or an impossible conversion, KeyError for an
// unknown unit, category or currency, TypeError for a float or a value of
// another type.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "TalFoundation/Version.h"
#include "TalFoundation/c/tal.h"
#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "TalFoundation/units/UnitResolver.h"

namespace py = pybind11;

namespace {

using tal::Decimal;
using tal::TalUnit;
using tal::TalUnitCategory;

// ---- Decimal values ---------------------------------------------------------

bool isSpace(char c) noexcept { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view trimmed(std::string_view text) noexcept {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool isNaNText(std::string_view text) noexcept {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  if (text.size() != 3) return false;
  const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
  return lower(text[0]) == 'n' && lower(text[1]) == 'a' && lower(text[2]) == 'n';
}

/// The whole text as one number (white space may surround it), or "NaN" in
/// any letter case. Raises ValueError for anything else and for a number
/// beyond the decimal range, which the library would turn into NaN.
Decimal parseWhole(std::string_view text) {
  std::size_t consumed = 0;
  if (const auto value = Decimal::fromString(text, consumed); value && trimmed(text.substr(consumed)).empty()) {
    if (value->isNaN())
      throw py::value_error("'" + std::string(trimmed(text)) + "' is beyond the decimal range (about 1E+999999)");
    return *value;
  }
  if (isNaNText(trimmed(text))) return Decimal::nan();
  throw py::value_error("not a number: '" + std::string(text) + "'");
}

py::object pythonDecimalClass() { return py::module_::import("decimal").attr("Decimal"); }

/// A decimal.Decimal: finite values and quiet NaN are taken; more than 38
/// digits are rounded once, half to even, as the library reads any text.
Decimal fromPythonDecimal(const py::handle& value) {
  if (!py::isinstance(value, pythonDecimalClass())) throw py::type_error("expected a decimal.Decimal");
  if (value.attr("is_snan")().cast<bool>()) throw py::value_error("a signalling NaN has no talfoundation.Decimal");
  if (value.attr("is_infinite")().cast<bool>()) throw py::value_error("talfoundation.Decimal has no infinity");
  return parseWhole(py::str(value).cast<std::string>());
}

/// Scientific text carries the exact digits and exponent, and decimal.Decimal
/// reads text exactly whatever its context's precision.
py::object toPythonDecimal(const Decimal& value) { return pythonDecimalClass()(value.toScientificString()); }

/// What Python code may pass where a number is expected.
Decimal toDecimal(const py::handle& value) {
  if (py::isinstance<Decimal>(value)) return value.cast<Decimal>();
  if (py::isinstance<py::str>(value)) return parseWhole(value.cast<std::string>());
  if (py::isinstance<py::float_>(value))
    throw py::type_error("a float is not an exact decimal: pass text ('0.1'), decimal.Decimal, or "
                         "talfoundation.Decimal.from_float()");
  // Python ints have no size limit; their text is exact, rounded past 38 digits.
  if (py::isinstance<py::int_>(value)) return parseWhole(py::str(value).cast<std::string>());
  if (py::isinstance(value, pythonDecimalClass())) return fromPythonDecimal(value);
  throw py::type_error("expected str, int, decimal.Decimal or talfoundation.Decimal, not " +
                       py::type::of(value).attr("__name__").cast<std::string>());
}

// ---- Decimal among Python's numbers -----------------------------------------
// talfoundation.Decimal mixes with int and decimal.Decimal as decimal.Decimal
// mixes with int: arithmetic takes the other operand (rounded to 38 digits
// when longer) and answers a talfoundation.Decimal; comparison and hashing
// are exact, through decimal.Decimal, so that equal values hash alike.

/// The other operand of arithmetic, or nothing when Python should try the
/// reflected operation (or raise TypeError).
std::optional<Decimal> arithmeticOperand(const py::handle& other) {
  if (py::isinstance<Decimal>(other) || py::isinstance<py::int_>(other) ||
      py::isinstance(other, pythonDecimalClass()))
    return toDecimal(other);
  return std::nullopt;
}

template <typename Operation>
py::object arithmetic(const Decimal& self, const py::handle& other, bool reflected, Operation operation) {
  const auto operand = arithmeticOperand(other);
  if (!operand) return py::reinterpret_borrow<py::object>(Py_NotImplemented);
  return py::cast(reflected ? operation(*operand, self) : operation(self, *operand));
}

bool isNaNNumber(const py::handle& value) {
  if (py::isinstance<Decimal>(value)) return value.cast<Decimal>().isNaN();
  if (py::isinstance<py::float_>(value)) return std::isnan(value.cast<double>());
  if (py::isinstance(value, pythonDecimalClass())) return value.attr("is_nan")().cast<bool>();
  return false;
}

/// `self <op> other`, where `op` is the name of an operator-module function.
/// NaN is unordered and unequal to everything, as in the C++ API and for
/// floats (decimal.Decimal would raise for an ordering).
py::object compare(const Decimal& self, const py::handle& other, const char* op) {
  const bool number = py::isinstance<Decimal>(other) || py::isinstance<py::int_>(other) ||
                      py::isinstance<py::float_>(other) || py::isinstance(other, pythonDecimalClass());
  if (!number) return py::reinterpret_borrow<py::object>(Py_NotImplemented);
  if (self.isNaN() || isNaNNumber(other)) return py::bool_(std::string_view(op) == "ne");
  const py::object right = py::isinstance<Decimal>(other) ? toPythonDecimal(other.cast<Decimal>())
                                                          : py::reinterpret_borrow<py::object>(other);
  return py::module_::import("operator").attr(op)(toPythonDecimal(self), right);
}

/// The value as a Python int, cut toward zero (int()), or rounded with
/// `mode` (round(), math.floor(), math.ceil()).
py::object toPythonInt(const Decimal& self, std::optional<Decimal::Rounding> mode) {
  if (self.isNaN()) throw py::value_error("cannot convert NaN to integer");
  const Decimal whole = mode ? self.rounded(0, *mode) : self.rounded(0, Decimal::Rounding::down);
  return py::module_::import("builtins").attr("int")(toPythonDecimal(whole));
}

void bindNumberProtocol(py::class_<Decimal>& decimal) {
  const auto add = [](const Decimal& a, const Decimal& b) { return a + b; };
  const auto subtract = [](const Decimal& a, const Decimal& b) { return a - b; };
  const auto multiply = [](const Decimal& a, const Decimal& b) { return a * b; };
  const auto divide = [](const Decimal& a, const Decimal& b) { return a / b; };
  const auto bind = [&decimal](const char* name, const char* reflectedName, auto operation) {
    decimal.def(name, [operation](const Decimal& self, const py::object& other) {
      return arithmetic(self, other, false, operation);
    }, py::is_operator());
    decimal.def(reflectedName, [operation](const Decimal& self, const py::object& other) {
      return arithmetic(self, other, true, operation);
    }, py::is_operator());
  };
  bind("__add__", "__radd__", add);
  bind("__sub__", "__rsub__", subtract);
  bind("__mul__", "__rmul__", multiply);
  bind("__truediv__", "__rtruediv__", divide);
  decimal.def("__neg__", [](const Decimal& self) { return -self; })
      .def("__pos__", [](const Decimal& self) { return self; })
      .def("__abs__", [](const Decimal& self) { return self.isNegative() ? -self : self; });
  for (const char* op : {"eq", "ne", "lt", "le", "gt", "ge"}) {
    const std::string name = std::string("__") + op + "__";
    decimal.def(name.c_str(), [op](const Decimal& self, const py::object& other) { return compare(self, other, op); },
                py::is_operator());
  }
  // Equal numbers hash alike: 1, decimal.Decimal(1) and Decimal(1) are one
  // dict key. NaN gets a fixed hash, as it is never equal anyway.
  decimal.def("__hash__", [](const Decimal& self) -> py::int_ {
    if (self.isNaN()) return py::int_(0);
    return py::int_(py::hash(toPythonDecimal(self)));
  });
  decimal.def("__int__", [](const Decimal& self) { return toPythonInt(self, std::nullopt); })
      .def("__trunc__", [](const Decimal& self) { return toPythonInt(self, std::nullopt); })
      .def("__floor__", [](const Decimal& self) { return toPythonInt(self, Decimal::Rounding::floor); })
      .def("__ceil__", [](const Decimal& self) { return toPythonInt(self, Decimal::Rounding::ceiling); })
      .def("__float__", &Decimal::toDouble)
      .def(
          "__round__",
          [](const Decimal& self, const py::object& digits) -> py::object {
            // round(x) is an int, half to even; round(x, n) a Decimal.
            if (digits.is_none()) return toPythonInt(self, Decimal::Rounding::halfEven);
            return py::cast(self.rounded(digits.cast<std::int64_t>(), Decimal::Rounding::halfEven));
          },
          py::arg("ndigits") = py::none())
      .def("__repr__", [](const Decimal& self) { return "talfoundation.Decimal('" + self.description() + "')"; });
}

Decimal::Rounding roundingMode(std::string_view name) {
  // The names of Python's decimal module (decimal.ROUND_HALF_EVEN is that text).
  if (name == "ROUND_HALF_EVEN") return Decimal::Rounding::halfEven;
  if (name == "ROUND_HALF_UP") return Decimal::Rounding::halfUp;
  if (name == "ROUND_HALF_DOWN") return Decimal::Rounding::halfDown;
  if (name == "ROUND_DOWN") return Decimal::Rounding::down;
  if (name == "ROUND_UP") return Decimal::Rounding::up;
  if (name == "ROUND_CEILING") return Decimal::Rounding::ceiling;
  if (name == "ROUND_FLOOR") return Decimal::Rounding::floor;
  throw py::value_error("unknown rounding mode: '" + std::string(name) + "'");
}

// ---- Units and categories ---------------------------------------------------

TalUnitCategory categoryFromRawValue(std::string_view raw) {
  const auto category = TalUnitCategory::fromRawValue(raw);
  if (!category) throw py::key_error("unknown category: '" + std::string(raw) + "'");
  return *category;
}

std::optional<TalUnitCategory> categoryArgument(const py::handle& value) {
  if (value.is_none()) return std::nullopt;
  if (py::isinstance<TalUnitCategory>(value)) return value.cast<TalUnitCategory>();
  if (py::isinstance<py::str>(value)) return categoryFromRawValue(value.cast<std::string>());
  throw py::type_error("category must be a talfoundation.Category, its raw value, or None");
}

// Units from text go through the library's resolver, the same rules as the
// C++ API, the C interface and tal-convert.

/// Raises what the resolver reported: KeyError for a word that is no unit
/// (or a currency code without rates), ValueError for the rest.
[[noreturn]] void raise(const tal::UnitTextError& error) {
  using Kind = tal::UnitTextError::Kind;
  if (error.kind == Kind::unknownUnit || error.kind == Kind::needsRates) throw py::key_error(error.message);
  throw py::value_error(error.message);
}

std::string unknownUnitMessage(const std::string& text, std::optional<TalUnitCategory> within) {
  std::string message = "unknown unit: '" + text + "'";
  if (within) message += " in category '" + std::string(within->rawValue()) + "'";
  const auto near = tal::UnitResolver::search(text, 3);
  for (std::size_t i = 0; i < near.size(); ++i)
    message += (i == 0 ? "; did you mean " : ", ") + near[i].name() + " (" + near[i].symbol() + ")";
  return near.empty() ? message : message + "?";
}

TalUnit findUnit(const std::string& text, const py::object& category) {
  const auto within = categoryArgument(category);
  auto unit = tal::UnitResolver::find(text, within);
  if (!unit) throw py::key_error(unknownUnitMessage(text, within));
  return std::move(*unit);
}

std::vector<TalUnit> search(const std::string& text, std::size_t limit) { return tal::UnitResolver::search(text, limit); }

Decimal checkedResult(const std::optional<Decimal>& result, const TalUnit& from, const TalUnit& to) {
  if (!result) throw py::value_error("no conversion from " + from.id() + " to " + to.id());
  return *result;  // NaN as in C++: a zero divisor on the way
}

Decimal convertPhrase(const std::string& phrase, std::optional<TalUnitCategory> within) {
  const auto read = tal::UnitResolver::readPhrase(phrase, within);
  if (const auto* error = std::get_if<tal::UnitTextError>(&read)) raise(*error);
  const auto& conversion = std::get<tal::ConversionPhrase>(read);
  return checkedResult(conversion.convert(), conversion.terms.front().unit, conversion.target);
}

/// A Unit object as it is; a text as the reading of the given category.
TalUnit unitIn(const py::handle& value, TalUnitCategory category) {
  if (py::isinstance<TalUnit>(value)) return value.cast<TalUnit>();
  const auto text = value.cast<std::string>();
  auto unit = tal::UnitResolver::find(text, category);
  if (!unit) throw py::key_error(unknownUnitMessage(text, category));
  return std::move(*unit);
}

Decimal convert(const py::handle& value, const py::handle& from, const py::handle& to, const py::object& category) {
  const auto within = categoryArgument(category);
  if (from.is_none() && to.is_none()) {
    if (!py::isinstance<py::str>(value))
      throw py::type_error("convert(text) takes a phrase such as '1.5 km to mi'; otherwise pass from_unit and to_unit");
    return convertPhrase(value.cast<std::string>(), within);
  }
  for (const py::handle unit : {from, to})
    if (!py::isinstance<TalUnit>(unit) && !py::isinstance<py::str>(unit))
      throw py::type_error("a unit must be a talfoundation.Unit or a text such as an id, symbol or name");
  const Decimal number = toDecimal(value);
  if (py::isinstance<TalUnit>(from) && py::isinstance<TalUnit>(to)) {
    const auto a = from.cast<TalUnit>();
    const auto b = to.cast<TalUnit>();
    return checkedResult(tal::TalMeasurement::convert(number, a, b), a, b);
  }
  // A Unit object decides the category of the text beside it.
  if (py::isinstance<TalUnit>(from) || py::isinstance<TalUnit>(to)) {
    const TalUnitCategory fixed =
        py::isinstance<TalUnit>(from) ? from.cast<TalUnit>().category() : to.cast<TalUnit>().category();
    if (within && *within != fixed) throw py::value_error("the unit given is not of category '" +
                                                          std::string(within->rawValue()) + "'");
    const TalUnit a = unitIn(from, fixed);
    const TalUnit b = unitIn(to, fixed);
    return checkedResult(tal::TalMeasurement::convert(number, a, b), a, b);
  }
  // Two texts: the resolver picks the one category both can mean.
  // NaN has no text the phrase reader takes; the units are still checked.
  const auto read = tal::UnitResolver::readConversion(number.isNaN() ? "0" : number.toScientificString(),
                                                      from.cast<std::string>(), to.cast<std::string>(), within);
  if (const auto* error = std::get_if<tal::UnitTextError>(&read)) raise(*error);
  const auto& conversion = std::get<tal::ConversionPhrase>(read);
  if (number.isNaN()) return Decimal::nan();
  return checkedResult(conversion.convert(), conversion.terms.front().unit, conversion.target);
}

/// `value` in `from` expressed in each unit of `to` (every unit of `from`'s
/// category when `to` is None) in one library call; None where a unit has
/// no result. Texts in `to` are read in `from`'s category.
std::vector<std::optional<Decimal>> convertAll(const py::handle& value, const py::handle& from, const py::object& to,
                                               const py::object& category) {
  const Decimal number = toDecimal(value);
  const TalUnit source = py::isinstance<TalUnit>(from) ? from.cast<TalUnit>() : findUnit(from.cast<std::string>(), category);
  std::vector<TalUnit> targets;
  if (to.is_none()) {
    targets = source.category().getUnits();
  } else {
    for (const py::handle item : to) targets.push_back(unitIn(item, source.category()));
  }
  std::vector<std::optional<Decimal>> results(targets.size());
  tal::TalMeasurement::convert(number, source, targets, results);
  for (auto& result : results)
    if (result && result->isNaN()) result.reset();
  return results;
}

std::vector<TalUnitCategory> allCategories() {
  const auto all = TalUnitCategory::allCases();
  return {all.begin(), all.end()};
}

std::string unitRepr(const TalUnit& unit) { return "<talfoundation.Unit " + unit.id() + " '" + unit.name() + "'>"; }

// ---- Exchange rates ---------------------------------------------------------

// A snapshot held through the C interface: its conversion is the library's
// own currency road (units made from the snapshot, then TalMeasurement), and
// it leaves the process-wide currency units alone.
struct RatesDeleter {
  void operator()(tal_rates* rates) const noexcept { tal_rates_free(rates); }
};
struct TextDeleter {
  void operator()(char* text) const noexcept { tal_string_free(text); }
};
using OwnedText = std::unique_ptr<char, TextDeleter>;

class ExchangeRates {
 public:
  static ExchangeRates fromJson(const std::string& json) {
    tal_rates* rates = nullptr;
    char* message = nullptr;
    const tal_status status = tal_rates_from_json(json.c_str(), &rates, &message);
    const OwnedText reason(message);
    if (status == TAL_ERROR_PARSE)
      throw py::value_error("not an exchange-rate snapshot: " + std::string(reason ? reason.get() : "unreadable"));
    if (status != TAL_OK) throw std::runtime_error(tal_status_message(status));
    return ExchangeRates(rates);
  }

  [[nodiscard]] std::string baseCode() const { return tal_rates_base_code(rates_.get()); }

  [[nodiscard]] std::int64_t timeLastUpdate() const {
    std::int64_t time = 0;
    (void)tal_rates_time_last_update(rates_.get(), &time);
    return time;
  }

  [[nodiscard]] Decimal convert(const py::handle& amount, const std::string& from, const std::string& to) const {
    const Decimal number = toDecimal(amount);
    if (number.isNaN()) throw py::value_error("the amount is NaN");
    char* out = nullptr;
    const tal_status status =
        tal_rates_convert(rates_.get(), number.toScientificString().c_str(), from.c_str(), to.c_str(), &out);
    const OwnedText result(out);
    switch (status) {
      case TAL_OK: return parseWhole(result.get());
      case TAL_ERROR_UNKNOWN_UNIT:
        throw py::key_error("unknown currency or no rate in this snapshot: '" + from + "' or '" + to + "'");
      case TAL_ERROR_NAN: throw py::value_error("the result is not a number (a zero rate?)");
      default: throw std::runtime_error(tal_status_message(status));
    }
  }

 private:
  explicit ExchangeRates(tal_rates* rates) : rates_(rates, RatesDeleter{}) {}
  std::shared_ptr<tal_rates> rates_;
};

}  // namespace

PYBIND11_MODULE(talfoundation, m) {
  m.doc() = "Exact 38-digit decimal unit conversion: categories, units, exchange rates.";
  m.attr("__version__") = tal::kVersionText;

  py::class_<Decimal> decimal(m, "Decimal",
                      "A decimal of up to 38 significant digits, or NaN. Arithmetic rounds once, half to even; "
                      "a zero divisor gives NaN.");
  decimal.def(py::init([](const py::object& value) { return toDecimal(value); }), py::arg("value") = 0,
           "From text ('1.5', ' -2e3 '), an int, a decimal.Decimal or another Decimal.")
      .def_static("from_decimal", &fromPythonDecimal, py::arg("value"),
                  "From a decimal.Decimal: exact up to 38 digits, rounded half to even beyond.")
      .def_static("from_float", &Decimal::fromDouble, py::arg("value"),
                  "The decimal of the float's shortest text: 0.1 gives 0.1. NaN and infinities give NaN.")
      .def_static("nan", &Decimal::nan)
      .def_static("pi", &Decimal::pi, "π to 38 digits.")
      .def("to_decimal", &toPythonDecimal, "The same value as a decimal.Decimal, exactly.")
      .def("is_nan", &Decimal::isNaN)
      .def("is_zero", &Decimal::isZero)
      .def("is_negative", &Decimal::isNegative)
      .def(
          "rounded",
          [](const Decimal& self, std::int64_t digits, const std::string& rounding) {
            return self.rounded(digits, roundingMode(rounding));
          },
          py::arg("fraction_digits"), py::arg("rounding") = "ROUND_HALF_EVEN",
          "At most `fraction_digits` digits after the point; `rounding` is one of decimal's ROUND_* names.")
      .def("__str__", &Decimal::description)
      .def("__bool__", [](const Decimal& self) { return !self.isZero(); });
  bindNumberProtocol(decimal);

  py::class_<TalUnitCategory>(m, "Category", "One of the 74 measurement categories.")
      .def_property_readonly("raw_value", [](TalUnitCategory self) { return std::string(self.rawValue()); },
                             "The stable key, e.g. 'length', 'current'.")
      .def_property_readonly("display_name", [](TalUnitCategory self) { return std::string(self.displayName()); },
                             "English name, e.g. 'Length'.")
      .def_property_readonly("units", &TalUnitCategory::getUnits,
                             "The units in display order, as a new list; empty for currency.")
      .def_property_readonly("default_unit", &TalUnitCategory::defaultUnit)
      .def("__eq__", [](TalUnitCategory a, TalUnitCategory b) { return a == b; }, py::is_operator())
      .def("__hash__", [](TalUnitCategory self) { return std::hash<TalUnitCategory>{}(self); })
      .def("__repr__", [](TalUnitCategory self) {
        return "<talfoundation.Category " + std::string(self.rawValue()) + ">";
      });

  py::class_<TalUnit>(m, "Unit", "One unit of one category; read-only.")
      .def_property_readonly("id", &TalUnit::id, "Category raw value, '_' and symbol, e.g. 'length_km'.")
      .def_property_readonly("name", &TalUnit::name)
      .def_property_readonly("symbol", &TalUnit::symbol)
      .def_property_readonly("category", &TalUnit::category)
      .def_property_readonly("coefficient", &TalUnit::coefficient,
                             "Multiplies a value in this unit on its way to the base unit.")
      .def_property_readonly("base_numerator", &TalUnit::baseNumerator,
                             "Multiplies a base-unit value into this unit, when the unit has one.")
      .def_property_readonly("inverse", &TalUnit::inverse,
                             "The value is the coefficient divided by the base-unit value.")
      .def_property_readonly("offset", &TalUnit::offset, "Added after the coefficient on the way to the base.")
      .def_property_readonly("is_base_unit", &TalUnit::isBaseUnit)
      .def("__eq__", [](const TalUnit& a, const TalUnit& b) { return a == b; }, py::is_operator())
      .def("__hash__", &TalUnit::hash)
      .def("__repr__", &unitRepr);

  py::class_<ExchangeRates>(m, "ExchangeRates", "One exchange-rate snapshot, independent of any other.")
      .def_static("from_json", &ExchangeRates::fromJson, py::arg("text"),
                  "Reads a snapshot: baseCode, timeLastUpdateUnix, rates. ValueError naming the key otherwise.")
      .def_property_readonly("base_code", &ExchangeRates::baseCode)
      .def_property_readonly("time_last_update", &ExchangeRates::timeLastUpdate,
                             "Seconds since 1970-01-01 UTC when the snapshot was made.")
      .def("convert", &ExchangeRates::convert, py::arg("amount"), py::arg("from_code"), py::arg("to_code"),
           "amount × (1 ÷ rate of from) × rate of to, each step rounded to 38 digits. KeyError for a code "
           "without a rate.");

  m.def("categories", &allCategories, "All 74 categories in display order.");
  m.def("category", [](const std::string& raw) { return categoryFromRawValue(raw); }, py::arg("raw_value"),
        "The category of this raw value; KeyError for any other text.");
  m.def("find_unit", &findUnit, py::arg("text"), py::arg("category") = py::none(),
        "The unit a text names (within `category` when given): an id, a symbol in any case where that is "
        "unambiguous, a name in any case, plural or British, an ASCII spelling ('um', 'm^2', 'degC') or an "
        "abbreviation ('mph', 'hp'); the best-ranked reading where several fit. KeyError when none does.");
  m.def("search", &search, py::arg("text"), py::arg("limit") = 20,
        "Units for a search box, best first: exact, whole words, prefixes, substrings, small typos.");
  m.def("convert", &convert, py::arg("value"), py::arg("from_unit") = py::none(), py::arg("to_unit") = py::none(),
        py::arg("category") = py::none(),
        "`value` in `from_unit` expressed in `to_unit`, as a Decimal; units are Unit objects or any text "
        "find_unit takes, and a text beside the other unit is read in that unit's category. With one text "
        "argument, a whole phrase: convert('1.5 km to mi'), convert('5 ft 11 in to cm').");
  m.def("convert_all", &convertAll, py::arg("value"), py::arg("from_unit"), py::arg("to_units") = py::none(),
        py::arg("category") = py::none(),
        "`value` in `from_unit` expressed in each of `to_units` (all units of its category when None), as a list "
        "of Decimal, with None where a unit has no result (another category, or not a number).");
}
