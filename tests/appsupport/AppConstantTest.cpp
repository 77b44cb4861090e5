#include "TalFoundation/appsupport/AppConstant.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <limits>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "TalFoundation/platform/Bundle.h"
#include "tests/support/JoinedThreads.h"

namespace tal {
namespace {

using platform::Bundle;

Bundle bundleFrom(std::string_view json) {
  std::optional<Bundle> b = Bundle::fromJSON(json);
  if (!b) ADD_FAILURE() << "bundle did not parse: " << json;
  Bundle result = b.value_or(Bundle());
  result.setPreferredLocalizations({"en"});
  return result;
}

// --- values read from a given bundle -------------------------------------------

struct BundleRow {
  std::string_view name;
  std::string_view json;
  std::string_view shortVersion;
  std::string_view buildVersion;
  std::string_view appVersion;
  std::string_view beianhao;
};
void PrintTo(const BundleRow& r, std::ostream* os) { *os << r.name; }

class AppConstantInfo : public testing::TestWithParam<BundleRow> {};

TEST_P(AppConstantInfo, ReadsTextKeysAndFallsBackToEmpty) {
  const BundleRow& r = GetParam();
  const Bundle b = bundleFrom(r.json);
  EXPECT_EQ(AppConstant::bundleShortVersion(b), r.shortVersion);
  EXPECT_EQ(AppConstant::bundleBuildVersion(b), r.buildVersion);
  EXPECT_EQ(AppConstant::appVersion(b), r.appVersion);
  EXPECT_EQ(AppConstant::beianhao(b), r.beianhao);
}

INSTANTIATE_TEST_SUITE_P(
    Bundles, AppConstantInfo,
    testing::Values(
        BundleRow{"BothVersions", R"({"info": {"CFBundleShortVersionString": "3.1", "CFBundleVersion": "12"}})", "3.1",
                  "12", "3.1(12)", ""},
        BundleRow{"NoVersions", R"({"info": {}})", "", "", "()", ""},
        BundleRow{"OnlyBuild", R"({"info": {"CFBundleVersion": "57"}})", "", "57", "(57)", ""},
        BundleRow{"EmptyTexts", R"({"info": {"CFBundleShortVersionString": "", "CFBundleVersion": ""}})", "", "",
                  "()", ""},
        BundleRow{"NumberIsNotText", R"({"info": {"CFBundleShortVersionString": "2.4", "CFBundleVersion": 57}})",
                  "2.4", "", "2.4()", ""},
        BundleRow{"Beianhao", R"({"info": {"Beianhao": "京ICP备12345678号-1"}})", "", "", "()",
                  "京ICP备12345678号-1"}),
    [](const testing::TestParamInfo<BundleRow>& info) { return std::string(info.param.name); });

TEST(AppConstant, NamesComeFromTheInfoPlistStringsOrAreTheirKeys) {
  const Bundle b = bundleFrom(R"({
    "info": {"CFBundleName": "IgnoredInfoValue"},
    "localizations": {"en": {"InfoPlist": {"CFBundleDisplayName": "Tal Converter", "ShortProductName": "",
                                           "TMS": "Tal™"}}}})");
  EXPECT_EQ(AppConstant::bundleDisplayName(b), "Tal Converter");
  EXPECT_EQ(AppConstant::bundleName(b), "CFBundleName");  // the strings table decides, not the dictionary
  EXPECT_EQ(AppConstant::shortProductName(b), "");          // present but empty stays empty
  EXPECT_EQ(AppConstant::tmsName(b), "Tal™");
}

// --- "Copyright since" --------------------------------------------------------------

struct SinceRow {
  std::string_view json;
  std::int64_t expected;
};
void PrintTo(const SinceRow& r, std::ostream* os) { *os << r.json; }

class CopyrightSince : public testing::TestWithParam<SinceRow> {};

TEST_P(CopyrightSince, IsASignedIntegerOr2015) {
  EXPECT_EQ(AppConstant::copyrightSince(bundleFrom(GetParam().json)), GetParam().expected);
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Texts, CopyrightSince,
    testing::Values(SinceRow{R"({"info": {}})", 2015}, SinceRow{R"({"info": {"Copyright since": ""}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "2019"}})", 2019},
                    SinceRow{R"({"info": {"Copyright since": "+2019"}})", 2019},
                    SinceRow{R"({"info": {"Copyright since": "-5"}})", -5},
                    SinceRow{R"({"info": {"Copyright since": "0"}})", 0},
                    SinceRow{R"({"info": {"Copyright since": "007"}})", 7},
                    SinceRow{R"({"info": {"Copyright since": "9223372036854775807"}})", kMax},
                    SinceRow{R"({"info": {"Copyright since": "-9223372036854775808"}})", kMin},
                    SinceRow{R"({"info": {"Copyright since": "9223372036854775808"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "-9223372036854775809"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "99999999999999999999999"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": " 2019"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "2019 "}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "2019\n"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "20 19"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "+-1"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "--1"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "-"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "+"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "0x7E3"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "2019.0"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "２０１９"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": "٢٠١٩"}})", 2015},
                    SinceRow{R"({"info": {"Copyright since": 2019}})", 2015}));

struct YearRow {
  std::int64_t since;
  std::int64_t current;
  std::string_view text;
};
void PrintTo(const YearRow& r, std::ostream* os) { *os << r.since << " " << r.current; }

class CopyrightYear : public testing::TestWithParam<YearRow> {};

TEST_P(CopyrightYear, IsOneYearOrTheRangeFromSmallerToLarger) {
  EXPECT_EQ(AppConstant::copyrightYear(GetParam().since, GetParam().current), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Years, CopyrightYear,
                         testing::Values(YearRow{2015, 2026, "2015-2026"}, YearRow{2026, 2026, "2026"},
                                         YearRow{2030, 2026, "2026-2030"}, YearRow{-5, 2026, "-5-2026"},
                                         YearRow{0, 2022, "0-2022"},
                                         YearRow{kMin, 2026, "-9223372036854775808-2026"},
                                         YearRow{kMax, 2026, "2026-9223372036854775807"}));

// --- the values kept for the process -------------------------------------------------

int localYear() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return parts.tm_year + 1900;
}

// The only test in this program that reads the kept values: they are fixed
// by the first read in the process.
TEST(AppConstantKept, ComputedOnceFromTheMainBundleEvenUnderConcurrentFirstReads) {
  Bundle first = bundleFrom(R"({
    "info": {"CFBundleShortVersionString": "2.4", "CFBundleVersion": "57", "Beianhao": "B-1",
             "Copyright since": "2015"},
    "localizations": {"en": {"InfoPlist": {"CFBundleDisplayName": "Display", "CFBundleName": "Name",
                                           "ShortProductName": "Short", "TMS": "Tms"}}}})");
  Bundle::setMain(first);

  constexpr int kThreads = 8;
  std::vector<const std::string*> seen(kThreads);
  {
    tal::test_support::JoinedThreads readers;
    for (int t = 0; t < kThreads; ++t) {
      readers.emplace_back([&seen, t] { seen[static_cast<std::size_t>(t)] = &AppConstant::appVersion(); });
    }
  }
  EXPECT_EQ(std::set<const std::string*>(seen.begin(), seen.end()).size(), 1U);

  const int yearBefore = localYear();
  EXPECT_EQ(AppConstant::bundleDisplayName(), "Display");
  EXPECT_EQ(AppConstant::bundleName(), "Name");
  EXPECT_EQ(AppConstant::shortProductName(), "Short");
  EXPECT_EQ(AppConstant::tmsName(), "Tms");
  EXPECT_EQ(AppConstant::bundleShortVersion(), "2.4");
  EXPECT_EQ(AppConstant::bundleBuildVersion(), "57");
  EXPECT_EQ(AppConstant::appVersion(), "2.4(57)");
  EXPECT_EQ(AppConstant::beianhao(), "B-1");
  EXPECT_EQ(AppConstant::copyrightSince(), 2015);
  const std::string copyright = AppConstant::copyrightYear();
  const int yearAfter = localYear();
  // Typed independently of the code: "2015-" and the local calendar year.
  EXPECT_TRUE(copyright == "2015-" + std::to_string(yearBefore) || copyright == "2015-" + std::to_string(yearAfter))
      << copyright;

  Bundle::setMain(bundleFrom(R"({"info": {"CFBundleShortVersionString": "9.9", "Copyright since": "1999"}})"));
  EXPECT_EQ(AppConstant::bundleShortVersion(), "2.4");
  EXPECT_EQ(AppConstant::appVersion(), "2.4(57)");
  EXPECT_EQ(AppConstant::copyrightSince(), 2015);
  EXPECT_EQ(AppConstant::bundleDisplayName(), "Display");
  Bundle::setMain(Bundle());
}

}  // namespace
}  // namespace tal
