# Runs tal-convert as a shell script would and checks what scripts depend on:
# the exact text lines, the JSON documents and the exit status.
# cmake -DTAL_CONVERT=<binary> -DVERSION=<x.y.z> -DWORK_DIR=<dir> [-DEMULATOR=<runner>] -P tal_convert_test.cmake
# EMULATOR runs a cross-built binary (qemu-user).
#
# Expected decimals come from Python's decimal (prec 38, half even), in the
# library's order of evaluation.

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
tal_convert(KilometresToMiles RC 0 STDOUT "1.5 km = 0.93205678835600095442615127654497733238 mi"
            ARGS 1.5 km mi)
tal_convert(FahrenheitToCelsius RC 0 STDOUT "100 °F = 37.777777777777777777777777777777777778 °C"
            ARGS 100 °F °C)
tal_convert(OnlyInOneCategory RC 0 STDOUT "1 kg = 2.2046226218487758072297380134502703385 lb"
            ARGS --category mass 1 kg lb)
tal_convert(CalcThirds RC 0 STDOUT "0.33333333333333333333333333333333333333" ARGS calc "1 / 3")
tal_convert(ExampleRates RC 0 STDOUT "100 USD = 85.5422 EUR" ARGS --example-rates 100 USD EUR)
tal_convert(ListMarksTheBaseUnit RC 0 CONTAINS "length_m " "Meter  (base)" ARGS --list length)
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
                     "--example-rates" "--rates <file.json>" "--json" "--version" "exit status"
            ARGS --help)
tal_convert(Version RC 0 STDOUT "tal-convert ${VERSION}" ARGS --version)

# Exit status 1: the input cannot be used; the result is not a number.
tal_convert(NotANumber RC 1 EMPTY_STDOUT ARGS x km m)
tal_convert(TrailingTextIsNotANumber RC 1 EMPTY_STDOUT ARGS 1x km m)
tal_convert(UnknownUnit RC 1 EMPTY_STDOUT ARGS 1 km parsecs)
tal_convert(CrossCategory RC 1 EMPTY_STDOUT ARGS 1 km kg)
tal_convert(UnknownCategory RC 1 EMPTY_STDOUT ARGS --list lengths)
tal_convert(UnitOutsideTheCategory RC 1 EMPTY_STDOUT ARGS --category mass 1 km m)
tal_convert(BadExpression RC 1 EMPTY_STDOUT ARGS calc "1 +")
tal_convert(DivisionByZero RC 1 STDOUT "NaN" ARGS calc "1 / 0")
tal_convert(MissingRateFile RC 1 EMPTY_STDOUT ARGS --rates "${WORK_DIR}/no-such-rates.json" 1 USD EUR)
file(WRITE "${WORK_DIR}/bad-rates.json" "{\"baseCode\": \"USD\"")
tal_convert(BadRateFile RC 1 EMPTY_STDOUT ARGS --rates "${WORK_DIR}/bad-rates.json" 1 USD EUR)

# Exit status 2: the command line itself is wrong.
tal_convert(NoArguments RC 2 EMPTY_STDOUT)
tal_convert(UnknownOption RC 2 EMPTY_STDOUT ARGS --frobnicate 1 km m)
tal_convert(ListWithoutCategory RC 2 EMPTY_STDOUT ARGS --list)
tal_convert(TooManyArguments RC 2 EMPTY_STDOUT ARGS 1 km m cm)
tal_convert(VersionWithArguments RC 2 EMPTY_STDOUT ARGS --version now)

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} tal-convert checks failed")
endif()
message(STATUS "all tal-convert checks passed")
