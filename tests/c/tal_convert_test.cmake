# Runs tal-convert as a shell script would and checks what scripts depend on:
# the exact text lines, the JSON documents and the exit status.
# cmake -DTAL_CONVERT=<binary> -DVERSION=<x.y.z> -DWORK_DIR=<dir> [-DEMULATOR=<runner>] -P tal_convert_test.cmake
# EMULATOR runs a cross-built binary (qemu-user).
#
# Expected decimals come from Python's decimal (prec 38, half even), in the
# library's order of evaluation; text output is that result rounded to 34
# significant digits (half even), JSON "result" the 38-digit text itself.

set(failures 0)

# tal_convert(<name> RC <status> [STDOUT <exact line> | EMPTY_STDOUT] [CONTAINS <text>...]
#             [JSON <path...> <expected> ...] ARGS <argument>...)
# JSON checks are given as "member.member.index.member=expected".
function(tal_convert name)
  cmake_parse_arguments(PARSE_ARGV 1 T "EMPTY_STDOUT" "RC;STDOUT" "CONTAINS;JSON;ARGS")
  execute_process(COMMAND ${EMULATOR} "${TAL_CONVERT}" ${T_ARGS} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(problems "")
  if(NOT rc STREQUAL T_RC)
    string(APPEND problems "  exit status ${rc}, expected ${T_RC}\n")
  endif()
  if(DEFINED T_STDOUT AND NOT out STREQUAL "${T_STDOUT}\n")
    string(APPEND problems "  stdout differs; expected:\n${T_STDOUT}\n")
  endif()
  if(T_EMPTY_STDOUT AND NOT out STREQUAL "")
    string(APPEND problems "  stdout should be empty\n")
  endif()
  foreach(text IN LISTS T_CONTAINS)
    string(FIND "${out}" "${text}" at)
    if(at EQUAL -1)
      string(APPEND problems "  stdout lacks \"${text}\"\n")
    endif()
  endforeach()
  foreach(check IN LISTS T_JSON)
    string(FIND "${check}" "=" eq)
    string(SUBSTRING "${check}" 0 ${eq} path)
    math(EXPR after "${eq} + 1")
    string(SUBSTRING "${check}" ${after} -1 expected)
    string(REPLACE "." ";" path "${path}")
    string(JSON value ERROR_VARIABLE json_error GET "${out}" ${path})
    if(json_error)
      string(APPEND problems "  JSON ${check}: ${json_error}\n")
    elseif(NOT value STREQUAL expected)
      string(APPEND problems "  JSON ${check}: found \"${value}\"\n")
    endif()
  endforeach()
  if(problems)
    message(SEND_ERROR "${name}: tal-convert ${T_ARGS}\n${problems}  stdout: ${out}\n  stderr: ${err}")
    math(EXPR f "${failures} + 1")
    set(failures ${f} PARENT_SCOPE)
  endif()
endfunction()

# Text output: the forms scripts/run-example.sh shows.
tal_convert(KilometresToMiles RC 0 STDOUT "1.5 km = 0.9320567883560009544261512765449773 mi"
            ARGS 1.5 km mi)
tal_convert(FahrenheitToCelsius RC 0 STDOUT "100 °F = 37.77777777777777777777777777777778 °C"
            ARGS 100 °F °C)
tal_convert(OnlyInOneCategory RC 0 STDOUT "1 kg = 2.20462262184877580722973801345027 lb"
            ARGS --category mass 1 kg lb)
tal_convert(CalcThirds RC 0 STDOUT "0.33333333333333333333333333333333333333" ARGS calc "1 / 3")
tal_convert(ExampleRates RC 0 STDOUT "100 USD = 85.5422 EUR" ARGS --example-rates 100 USD EUR)
tal_convert(CurrencyCodesInAnyCase RC 0 STDOUT "100 USD = 85.5422 EUR" ARGS --example-rates 100 usd eur)
tal_convert(CurrencyPhrase RC 0 STDOUT "100 USD = 85.5422 EUR" ARGS --example-rates "100 USD to EUR")
tal_convert(ListMarksTheBaseUnit RC 0 CONTAINS "length_m " "Meter  (base)" ARGS --list length)
tal_convert(ListTakesTheCategoryNameInAnyCase RC 0 CONTAINS "length_m " ARGS --list Length)
tal_convert(ListTakesTheDisplayName RC 0 CONTAINS "current_mA" ARGS --list "electric current")

# Units as people type them (a sample of the resolver's table), in the three
# command forms: value from to, value+from to, one phrase.
set(km_mi "0.9320567883560009544261512765449773")
tal_convert(GluedValue RC 0 STDOUT "1.5 km = ${km_mi} mi" ARGS 1.5km mi)
tal_convert(QuotedPhrase RC 0 STDOUT "1.5 km = ${km_mi} mi" ARGS "1.5 km to mi")
tal_convert(PhraseWithIn RC 0 STDOUT "1.5 km = ${km_mi} mi" ARGS "1.5km in mi")
tal_convert(PhraseWithArrow RC 0 STDOUT "1.5 km = ${km_mi} mi" ARGS "1.5 km → mi")
tal_convert(PhraseInWords RC 0 STDOUT "1.5 km = ${km_mi} mi" ARGS 1.5 km to mi)
tal_convert(PluralNames RC 0 STDOUT "10 km = 6.213711922373339696174341843633182 mi" ARGS 10 kilometers miles)
tal_convert(SymbolsInUpperCase RC 0 STDOUT "1 km = 0.6213711922373339696174341843633182 mi" ARGS 1 KM MI)
tal_convert(TheOtherUnitDecides RC 0 STDOUT "100 °F = 37.77777777777777777777777777777778 °C" ARGS 100 F C)
tal_convert(TemperatureNames RC 0 STDOUT "-40 °C = -40 °F" ARGS -40 celsius fahrenheit)
tal_convert(AsciiMicro RC 0 STDOUT "1 µm = 1000 nm" ARGS 1 um nm)
tal_convert(GreekMu RC 0 STDOUT "1 µm = 1000 nm" ARGS 1 μm nm)
tal_convert(CaretSquare RC 0 STDOUT "1 ac = 4046.8564224 m²" ARGS 1 acre m^2)
tal_convert(MechanicalHorsepower RC 0 STDOUT "1 hp(I) = 745.69987158227022 W" ARGS 1 hp W)
tal_convert(NauticalMileAbbreviation RC 0 STDOUT "2 n mile = 3.704 km" ARGS 2 nmi km)
tal_convert(DegreesAsDeg RC 0 STDOUT "90 ° = 1.570796326794896619231321691639751 rad" ARGS 90 deg rad)
tal_convert(DayAbbreviation RC 0 STDOUT "1 d = 86400 s" ARGS 1 day s)
tal_convert(FeetAndInches RC 0 STDOUT "5 ft 11 in = 180.34 cm" ARGS "5 ft 11 in to cm")
tal_convert(FeetAndInchesUnquoted RC 0 STDOUT "5 ft 11 in = 180.34 cm" ARGS 5 ft 11 in cm)
tal_convert(ArabicIndicDigits RC 0 STDOUT "1.5 km = ${km_mi} mi" ARGS "١٫٥ km mi")
tal_convert(TableRoundingTracesHidden RC 0 STDOUT "3 rps = 180 rpm" ARGS 3 rps rpm)
tal_convert(FlowRateTracesHidden RC 0 STDOUT "1 US gal/min = 60 US gal/h" ARGS 1 "US gal/min" "US gal/h")
tal_convert(FewerDigits RC 0 STDOUT "1 km = 0.62137 mi" ARGS --digits 5 1 km mi)
tal_convert(HugeResultsInScientificNotation RC 0 STDOUT "1E+999999 m = 1E+999996 km" ARGS 1e999999 m km)
# 1e59 is 60 characters of plain text, 1e60 one more.
tal_convert(SixtyCharactersStayPlain RC 0
            STDOUT "100000000000000000000000000000000000000000000000000000000000 m = 100000000000000000000000000000000000000000000000000000000000 m"
            ARGS 1e59 m m)
tal_convert(SixtyOneCharactersGoScientific RC 0 STDOUT "1E+60 m = 1E+60 m" ARGS 1e60 m m)
tal_convert(PlainKeepsPlainNotation RC 0
            STDOUT "10000000000000000000000000000000000000000000000000000000000000000000000 m = 10000000000000000000000000000000000000000000000000000000000000000000 km"
            ARGS --plain 1e70 m km)
tal_convert(Search RC 0 CONTAINS "length_mi\tmi\tMile" "Nautical Mile" "Mile per Hour" ARGS --search mile)
tal_convert(JsonSearch RC 0 JSON "units.0.id=length_mi" "units.1.id=length_n mile" ARGS --json --search mile)
tal_convert(JsonPhrase RC 0
            JSON "from.id=length_km" "to.id=length_mi" "result=0.93205678835600095442615127654497733238"
                 "rounded=${km_mi}"
            ARGS --json "1.5 km to mi")
tal_convert(JsonTerms RC 0 JSON "terms.1.unit.id=length_in" "result=180.34" ARGS --json "5 ft 11 in to cm")
tal_convert(CalcUnaryMinusBindsLooserThanPower RC 0 STDOUT "-4" ARGS calc "-2^2")
tal_convert(CalcPowerGroupsToTheRight RC 0 STDOUT "512" ARGS calc "2^3^2")
tal_convert(CalcNegativeWholePower RC 0 STDOUT "0.5" ARGS calc "2^-1")
tal_convert(CalcParenthesisedNegativeBase RC 0 STDOUT "4" ARGS calc "(-2)^2")
tal_convert(CalcFractionalPowerRefused RC 1 EMPTY_STDOUT ARGS calc "2^0.5")
tal_convert(Categories RC 0 CONTAINS "temperature" "Temperature (8 units)" ARGS --categories)

# JSON: decimals as strings of the exact text, UTF-8 kept, --json anywhere.
tal_convert(JsonConversion RC 0
            JSON "result=0.93205678835600095442615127654497733238" "value=1.5" "category=length"
                 "from.id=length_km" "to.symbol=mi" "to.name=Mile"
            ARGS --json 1.5 km mi)
tal_convert(JsonAfterTheArguments RC 0 JSON "result=37.777777777777777777777777777777777778" "from.symbol=°F"
            ARGS 100 °F °C --json)
tal_convert(JsonCalc RC 0 JSON "expression=2 / 3" "result=0.66666666666666666666666666666666666667"
            ARGS --json calc "2 / 3")
tal_convert(JsonList RC 0 JSON "category=temperature" "units.2.id=temperature_°F" "units.0.isBaseUnit=ON"
                               "units.2.isBaseUnit=OFF"
            ARGS --json --list temperature)
tal_convert(JsonCategories RC 0 JSON "0.rawValue=currency" "1.displayName=Length" "4.unitCount=8"
            ARGS --categories --json)
tal_convert(JsonMoney RC 0 JSON "result=85.5422" "from.id=currency_USD" ARGS --json --example-rates 100 USD EUR)

# Help and version.
tal_convert(Help RC 0
            CONTAINS "<value> <from> <to>" "--category <category>" "calc" "--list <category>" "--categories"
                     "--example-rates" "--rates <file.json>" "--json" "--version" "exit status" "--search"
                     "--digits" "--plain" "3 a word that is not a unit" "4 units of different categories"
                     "5 currency"
            ARGS --help)
tal_convert(Version RC 0 STDOUT "tal-convert ${VERSION}" ARGS --version)

# Exit status 1: the input cannot be used; the result is not a number.
tal_convert(NotANumber RC 1 EMPTY_STDOUT ARGS x km m)
tal_convert(TrailingTextIsNotANumber RC 1 EMPTY_STDOUT ARGS 1x km m)
tal_convert(UnknownCategory RC 1 EMPTY_STDOUT ARGS --list lengths)
tal_convert(JsonUnknownCategory RC 1 JSON "error.kind=unknownCategory" ARGS --json --list lengths)
tal_convert(BadExpression RC 1 EMPTY_STDOUT ARGS calc "1 +")
tal_convert(DivisionByZero RC 1 STDOUT "NaN" ARGS calc "1 / 0")
tal_convert(MissingRateFile RC 1 EMPTY_STDOUT ARGS --rates "${WORK_DIR}/no-such-rates.json" 1 USD EUR)
file(WRITE "${WORK_DIR}/bad-rates.json" "{\"baseCode\": \"USD\"")
tal_convert(BadRateFile RC 1 EMPTY_STDOUT ARGS --rates "${WORK_DIR}/bad-rates.json" 1 USD EUR)

# Exit status 3, 4, 5: which word is not a unit, units of two categories,
# money without rates; under --json the error is a JSON object on stdout.
tal_convert(UnknownUnit RC 3 EMPTY_STDOUT ARGS 1 km parsex)
tal_convert(Typo RC 3 EMPTY_STDOUT ARGS 1.5 kilomter mi)
tal_convert(JsonTypo RC 3
            JSON "error.kind=unknownUnit" "error.word=kilomter" "error.suggestions.0.id=length_km" "exitStatus=3"
            ARGS --json 1.5 kilomter mi)
tal_convert(UnitOutsideTheCategory RC 3 EMPTY_STDOUT ARGS --category mass 1 km m)
tal_convert(SearchFindsNothing RC 3 EMPTY_STDOUT ARGS --search xyzzyq)
tal_convert(CrossCategory RC 4 EMPTY_STDOUT ARGS 1 km kg)
tal_convert(JsonCrossCategory RC 4 JSON "error.kind=differentCategories" "error.word=km" ARGS --json 1 km kg)
tal_convert(MoneyWithoutRates RC 5 EMPTY_STDOUT ARGS 100 USD EUR)
tal_convert(JsonMoneyWithoutRates RC 5 JSON "error.kind=needsRates" "error.word=USD" ARGS --json 100 USD EUR)

# Exit status 2: the command line itself is wrong.
tal_convert(NoArguments RC 2 EMPTY_STDOUT)
tal_convert(UnknownOption RC 2 EMPTY_STDOUT ARGS --frobnicate 1 km m)
tal_convert(ListWithoutCategory RC 2 EMPTY_STDOUT ARGS --list)
tal_convert(DigitsOutOfRange RC 2 EMPTY_STDOUT ARGS --digits 39 1 km m)
tal_convert(DigitsZero RC 2 EMPTY_STDOUT ARGS --digits 0 1 km m)
tal_convert(DigitsWithoutCount RC 2 EMPTY_STDOUT ARGS 1 km m --digits)
tal_convert(VersionWithArguments RC 2 EMPTY_STDOUT ARGS --version now)

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} tal-convert checks failed")
endif()
message(STATUS "all tal-convert checks passed")
