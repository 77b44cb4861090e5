// TalCurrency: the 156 currencies the currency category can hold, by ISO 4217
// code, each with the display symbol shown next to amounts; their names come
// from the locale (currencyName). Neighbours: TalUnitCurrency.h (the units
// built from rates), TalCurrencySortingOrder.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/detail/RawValues.h"

namespace tal {

/// The 156 currencies the currency category can hold, by ISO 4217 code, each with its display symbol.
class TAL_EXPORT TalCurrency {
 public:
  /// Ascending code order, the order of allCases and of the currency units.
  enum class Case : std::uint8_t {
    AED, AFN, ALL, AMD, ANG, AOA, ARS, AUD, AWG, AZN, BAM, BBD,
    BDT, BGN, BHD, BIF, BMD, BND, BOB, BRL, BSD, BTN, BWP, BYN,
    BZD, CAD, CDF, CHF, CLP, CNH, CNY, COP, CRC, CUP, CVE, CZK,
    DJF, DKK, DOP, DZD, EGP, ERN, ETB, EUR, FJD, FKP, GBP, GEL,
    GHS, GIP, GMD, GNF, GTQ, GYD, HKD, HNL, HRK, HTG, HUF, IDR,
    ILS, INR, IQD, IRR, ISK, JMD, JOD, JPY, KES, KGS, KHR, KMF,
    KRW, KWD, KYD, KZT, LAK, LBP, LKR, LRD, LSL, LYD, MAD, MDL,
    MGA, MKD, MMK, MNT, MOP, MRU, MUR, MVR, MWK, MXN, MYR, MZN,
    NAD, NGN, NIO, NOK, NPR, NZD, OMR, PAB, PEN, PGK, PHP, PKR,
    PLN, PYG, QAR, RON, RSD, RUB, RWF, SAR, SBD, SCR, SDG, SEK,
    SGD, SHP, SLE, SLL, SOS, SRD, SSP, STN, SYP, SZL, THB, TJS,
    TMT, TND, TOP, TRY, TTD, TWD, TZS, UAH, UGX, USD, UYU, UZS,
    VES, VND, VUV, WST, XAF, XCD, XOF, XPF, YER, ZAR, ZMW, ZWG,
  };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalCurrency(Case c) noexcept : case_(detail::caseInRange(c, Case::ZWG)) {}

  static const TalCurrency AED, AFN, ALL, AMD, ANG, AOA, ARS, AUD, AWG, AZN, BAM, BBD;
  static const TalCurrency BDT, BGN, BHD, BIF, BMD, BND, BOB, BRL, BSD, BTN, BWP, BYN;
  static const TalCurrency BZD, CAD, CDF, CHF, CLP, CNH, CNY, COP, CRC, CUP, CVE, CZK;
  static const TalCurrency DJF, DKK, DOP, DZD, EGP, ERN, ETB, EUR, FJD, FKP, GBP, GEL;
  static const TalCurrency GHS, GIP, GMD, GNF, GTQ, GYD, HKD, HNL, HRK, HTG, HUF, IDR;
  static const TalCurrency ILS, INR, IQD, IRR, ISK, JMD, JOD, JPY, KES, KGS, KHR, KMF;
  static const TalCurrency KRW, KWD, KYD, KZT, LAK, LBP, LKR, LRD, LSL, LYD, MAD, MDL;
  static const TalCurrency MGA, MKD, MMK, MNT, MOP, MRU, MUR, MVR, MWK, MXN, MYR, MZN;
  static const TalCurrency NAD, NGN, NIO, NOK, NPR, NZD, OMR, PAB, PEN, PGK, PHP, PKR;
  static const TalCurrency PLN, PYG, QAR, RON, RSD, RUB, RWF, SAR, SBD, SCR, SDG, SEK;
  static const TalCurrency SGD, SHP, SLE, SLL, SOS, SRD, SSP, STN, SYP, SZL, THB, TJS;
  static const TalCurrency TMT, TND, TOP, TRY, TTD, TWD, TZS, UAH, UGX, USD, UYU, UZS;
  static const TalCurrency VES, VND, VUV, WST, XAF, XCD, XOF, XPF, YER, ZAR, ZMW, ZWG;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// The upper-case ISO 4217 code, e.g. "EUR".
  [[nodiscard]] std::string_view rawValue() const noexcept;
  [[nodiscard]] std::string_view id() const noexcept { return rawValue(); }
  [[nodiscard]] std::string_view isoCode() const noexcept { return rawValue(); }
  /// The display symbol, e.g. "€"; several currencies share some symbols.
  [[nodiscard]] std::string_view symbol() const noexcept;
  /// The currency whose code equals `raw` exactly (case-sensitive, no
  /// trimming); absent for any other text.
  [[nodiscard]] static std::optional<TalCurrency> fromRawValue(std::string_view raw) noexcept;
  /// All 156 cases, AED to ZWG.
  [[nodiscard]] static std::span<const TalCurrency> allCases() noexcept;

  /// The JSON text of the code as a single string value: "EUR" in quotes.
  [[nodiscard]] std::string toJSON() const;
  /// Reads a single JSON string value holding a code. Throws DecodingError
  /// for text that is not JSON, not a string, or not one of the codes.
  [[nodiscard]] static TalCurrency fromJSON(std::string_view json);

  friend constexpr bool operator==(TalCurrency, TalCurrency) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalCurrency TalCurrency::AED{Case::AED};
inline constexpr TalCurrency TalCurrency::AFN{Case::AFN};
inline constexpr TalCurrency TalCurrency::ALL{Case::ALL};
inline constexpr TalCurrency TalCurrency::AMD{Case::AMD};
inline constexpr TalCurrency TalCurrency::ANG{Case::ANG};
inline constexpr TalCurrency TalCurrency::AOA{Case::AOA};
inline constexpr TalCurrency TalCurrency::ARS{Case::ARS};
inline constexpr TalCurrency TalCurrency::AUD{Case::AUD};
inline constexpr TalCurrency TalCurrency::AWG{Case::AWG};
inline constexpr TalCurrency TalCurrency::AZN{Case::AZN};
inline constexpr TalCurrency TalCurrency::BAM{Case::BAM};
inline constexpr TalCurrency TalCurrency::BBD{Case::BBD};
inline constexpr TalCurrency TalCurrency::BDT{Case::BDT};
inline constexpr TalCurrency TalCurrency::BGN{Case::BGN};
inline constexpr TalCurrency TalCurrency::BHD{Case::BHD};
inline constexpr TalCurrency TalCurrency::BIF{Case::BIF};
inline constexpr TalCurrency TalCurrency::BMD{Case::BMD};
inline constexpr TalCurrency TalCurrency::BND{Case::BND};
inline constexpr TalCurrency TalCurrency::BOB{Case::BOB};
inline constexpr TalCurrency TalCurrency::BRL{Case::BRL};
inline constexpr TalCurrency TalCurrency::BSD{Case::BSD};
inline constexpr TalCurrency TalCurrency::BTN{Case::BTN};
inline constexpr TalCurrency TalCurrency::BWP{Case::BWP};
inline constexpr TalCurrency TalCurrency::BYN{Case::BYN};
inline constexpr TalCurrency TalCurrency::BZD{Case::BZD};
inline constexpr TalCurrency TalCurrency::CAD{Case::CAD};
inline constexpr TalCurrency TalCurrency::CDF{Case::CDF};
inline constexpr TalCurrency TalCurrency::CHF{Case::CHF};
inline constexpr TalCurrency TalCurrency::CLP{Case::CLP};
inline constexpr TalCurrency TalCurrency::CNH{Case::CNH};
inline constexpr TalCurrency TalCurrency::CNY{Case::CNY};
inline constexpr TalCurrency TalCurrency::COP{Case::COP};
inline constexpr TalCurrency TalCurrency::CRC{Case::CRC};
inline constexpr TalCurrency TalCurrency::CUP{Case::CUP};
inline constexpr TalCurrency TalCurrency::CVE{Case::CVE};
inline constexpr TalCurrency TalCurrency::CZK{Case::CZK};
inline constexpr TalCurrency TalCurrency::DJF{Case::DJF};
inline constexpr TalCurrency TalCurrency::DKK{Case::DKK};
inline constexpr TalCurrency TalCurrency::DOP{Case::DOP};
inline constexpr TalCurrency TalCurrency::DZD{Case::DZD};
inline constexpr TalCurrency TalCurrency::EGP{Case::EGP};
inline constexpr TalCurrency TalCurrency::ERN{Case::ERN};
inline constexpr TalCurrency TalCurrency::ETB{Case::ETB};
inline constexpr TalCurrency TalCurrency::EUR{Case::EUR};
inline constexpr TalCurrency TalCurrency::FJD{Case::FJD};
inline constexpr TalCurrency TalCurrency::FKP{Case::FKP};
inline constexpr TalCurrency TalCurrency::GBP{Case::GBP};
inline constexpr TalCurrency TalCurrency::GEL{Case::GEL};
inline constexpr TalCurrency TalCurrency::GHS{Case::GHS};
inline constexpr TalCurrency TalCurrency::GIP{Case::GIP};
inline constexpr TalCurrency TalCurrency::GMD{Case::GMD};
inline constexpr TalCurrency TalCurrency::GNF{Case::GNF};
inline constexpr TalCurrency TalCurrency::GTQ{Case::GTQ};
inline constexpr TalCurrency TalCurrency::GYD{Case::GYD};
inline constexpr TalCurrency TalCurrency::HKD{Case::HKD};
inline constexpr TalCurrency TalCurrency::HNL{Case::HNL};
inline constexpr TalCurrency TalCurrency::HRK{Case::HRK};
inline constexpr TalCurrency TalCurrency::HTG{Case::HTG};
inline constexpr TalCurrency TalCurrency::HUF{Case::HUF};
inline constexpr TalCurrency TalCurrency::IDR{Case::IDR};
inline constexpr TalCurrency TalCurrency::ILS{Case::ILS};
inline constexpr TalCurrency TalCurrency::INR{Case::INR};
inline constexpr TalCurrency TalCurrency::IQD{Case::IQD};
inline constexpr TalCurrency TalCurrency::IRR{Case::IRR};
inline constexpr TalCurrency TalCurrency::ISK{Case::ISK};
inline constexpr TalCurrency TalCurrency::JMD{Case::JMD};
inline constexpr TalCurrency TalCurrency::JOD{Case::JOD};
inline constexpr TalCurrency TalCurrency::JPY{Case::JPY};
inline constexpr TalCurrency TalCurrency::KES{Case::KES};
inline constexpr TalCurrency TalCurrency::KGS{Case::KGS};
inline constexpr TalCurrency TalCurrency::KHR{Case::KHR};
inline constexpr TalCurrency TalCurrency::KMF{Case::KMF};
inline constexpr TalCurrency TalCurrency::KRW{Case::KRW};
inline constexpr TalCurrency TalCurrency::KWD{Case::KWD};
inline constexpr TalCurrency TalCurrency::KYD{Case::KYD};
inline constexpr TalCurrency TalCurrency::KZT{Case::KZT};
inline constexpr TalCurrency TalCurrency::LAK{Case::LAK};
inline constexpr TalCurrency TalCurrency::LBP{Case::LBP};
inline constexpr TalCurrency TalCurrency::LKR{Case::LKR};
inline constexpr TalCurrency TalCurrency::LRD{Case::LRD};
inline constexpr TalCurrency TalCurrency::LSL{Case::LSL};
inline constexpr TalCurrency TalCurrency::LYD{Case::LYD};
inline constexpr TalCurrency TalCurrency::MAD{Case::MAD};
inline constexpr TalCurrency TalCurrency::MDL{Case::MDL};
inline constexpr TalCurrency TalCurrency::MGA{Case::MGA};
inline constexpr TalCurrency TalCurrency::MKD{Case::MKD};
inline constexpr TalCurrency TalCurrency::MMK{Case::MMK};
inline constexpr TalCurrency TalCurrency::MNT{Case::MNT};
inline constexpr TalCurrency TalCurrency::MOP{Case::MOP};
inline constexpr TalCurrency TalCurrency::MRU{Case::MRU};
inline constexpr TalCurrency TalCurrency::MUR{Case::MUR};
inline constexpr TalCurrency TalCurrency::MVR{Case::MVR};
inline constexpr TalCurrency TalCurrency::MWK{Case::MWK};
inline constexpr TalCurrency TalCurrency::MXN{Case::MXN};
inline constexpr TalCurrency TalCurrency::MYR{Case::MYR};
inline constexpr TalCurrency TalCurrency::MZN{Case::MZN};
inline constexpr TalCurrency TalCurrency::NAD{Case::NAD};
inline constexpr TalCurrency TalCurrency::NGN{Case::NGN};
inline constexpr TalCurrency TalCurrency::NIO{Case::NIO};
inline constexpr TalCurrency TalCurrency::NOK{Case::NOK};
inline constexpr TalCurrency TalCurrency::NPR{Case::NPR};
inline constexpr TalCurrency TalCurrency::NZD{Case::NZD};
inline constexpr TalCurrency TalCurrency::OMR{Case::OMR};
inline constexpr TalCurrency TalCurrency::PAB{Case::PAB};
inline constexpr TalCurrency TalCurrency::PEN{Case::PEN};
inline constexpr TalCurrency TalCurrency::PGK{Case::PGK};
inline constexpr TalCurrency TalCurrency::PHP{Case::PHP};
inline constexpr TalCurrency TalCurrency::PKR{Case::PKR};
inline constexpr TalCurrency TalCurrency::PLN{Case::PLN};
inline constexpr TalCurrency TalCurrency::PYG{Case::PYG};
inline constexpr TalCurrency TalCurrency::QAR{Case::QAR};
inline constexpr TalCurrency TalCurrency::RON{Case::RON};
inline constexpr TalCurrency TalCurrency::RSD{Case::RSD};
inline constexpr TalCurrency TalCurrency::RUB{Case::RUB};
inline constexpr TalCurrency TalCurrency::RWF{Case::RWF};
inline constexpr TalCurrency TalCurrency::SAR{Case::SAR};
inline constexpr TalCurrency TalCurrency::SBD{Case::SBD};
inline constexpr TalCurrency TalCurrency::SCR{Case::SCR};
inline constexpr TalCurrency TalCurrency::SDG{Case::SDG};
inline constexpr TalCurrency TalCurrency::SEK{Case::SEK};
inline constexpr TalCurrency TalCurrency::SGD{Case::SGD};
inline constexpr TalCurrency TalCurrency::SHP{Case::SHP};
inline constexpr TalCurrency TalCurrency::SLE{Case::SLE};
inline constexpr TalCurrency TalCurrency::SLL{Case::SLL};
inline constexpr TalCurrency TalCurrency::SOS{Case::SOS};
inline constexpr TalCurrency TalCurrency::SRD{Case::SRD};
inline constexpr TalCurrency TalCurrency::SSP{Case::SSP};
inline constexpr TalCurrency TalCurrency::STN{Case::STN};
inline constexpr TalCurrency TalCurrency::SYP{Case::SYP};
inline constexpr TalCurrency TalCurrency::SZL{Case::SZL};
inline constexpr TalCurrency TalCurrency::THB{Case::THB};
inline constexpr TalCurrency TalCurrency::TJS{Case::TJS};
inline constexpr TalCurrency TalCurrency::TMT{Case::TMT};
inline constexpr TalCurrency TalCurrency::TND{Case::TND};
inline constexpr TalCurrency TalCurrency::TOP{Case::TOP};
inline constexpr TalCurrency TalCurrency::TRY{Case::TRY};
inline constexpr TalCurrency TalCurrency::TTD{Case::TTD};
inline constexpr TalCurrency TalCurrency::TWD{Case::TWD};
inline constexpr TalCurrency TalCurrency::TZS{Case::TZS};
inline constexpr TalCurrency TalCurrency::UAH{Case::UAH};
inline constexpr TalCurrency TalCurrency::UGX{Case::UGX};
inline constexpr TalCurrency TalCurrency::USD{Case::USD};
inline constexpr TalCurrency TalCurrency::UYU{Case::UYU};
inline constexpr TalCurrency TalCurrency::UZS{Case::UZS};
inline constexpr TalCurrency TalCurrency::VES{Case::VES};
inline constexpr TalCurrency TalCurrency::VND{Case::VND};
inline constexpr TalCurrency TalCurrency::VUV{Case::VUV};
inline constexpr TalCurrency TalCurrency::WST{Case::WST};
inline constexpr TalCurrency TalCurrency::XAF{Case::XAF};
inline constexpr TalCurrency TalCurrency::XCD{Case::XCD};
inline constexpr TalCurrency TalCurrency::XOF{Case::XOF};
inline constexpr TalCurrency TalCurrency::XPF{Case::XPF};
inline constexpr TalCurrency TalCurrency::YER{Case::YER};
inline constexpr TalCurrency TalCurrency::ZAR{Case::ZAR};
inline constexpr TalCurrency TalCurrency::ZMW{Case::ZMW};
inline constexpr TalCurrency TalCurrency::ZWG{Case::ZWG};

/// The display name of `currency` in the locale named by `localeIdentifier`
/// (an ICU or BCP 47 identifier such as "de_DE"); absent when the locale data
/// has no name for it.
[[nodiscard]] TAL_EXPORT std::optional<std::string> currencyName(TalCurrency currency, std::string_view localeIdentifier);
/// The same in the current locale.
[[nodiscard]] TAL_EXPORT std::optional<std::string> currencyName(TalCurrency currency);

}  // namespace tal

// Hashes the code text, which equality agrees with.
template <>
struct std::hash<tal::TalCurrency> {
  std::size_t operator()(tal::TalCurrency c) const noexcept { return std::hash<std::string_view>{}(c.rawValue()); }
};
