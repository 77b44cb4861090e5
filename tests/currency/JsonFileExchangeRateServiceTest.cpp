#include "TalFoundation/currency/JsonFileExchangeRateService.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <variant>

#include "TalFoundation/currency/ExampleExchangeRateService.h"

namespace tal {
namespace {

namespace fs = std::filesystem;

class JsonFileExchangeRateServiceTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(testing::TempDir()) /
           ("rates-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path write(std::string_view name, std::string_view text) const {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  static ExchangeRateResult fetch(const fs::path& path) {
    JsonFileExchangeRateService service(path);
    return fetch(service);
  }
  static ExchangeRateResult fetch(JsonFileExchangeRateService& service) {
    std::optional<ExchangeRateResult> result;
    int calls = 0;
    service.fetchExchangeRates([&](ExchangeRateResult r) {
      ++calls;
      result.emplace(std::move(r));
    });
    EXPECT_EQ(calls, 1);
    return result.value_or(Error{"test", 0, "no result"});
  }

  static Error errorOf(const fs::path& path) {
    JsonFileExchangeRateService service(path);
    return errorOf(service);
  }
  static Error errorOf(JsonFileExchangeRateService& service) {
    const ExchangeRateResult result = fetch(service);
    const auto* error = std::get_if<Error>(&result);
    if (error == nullptr) {
      ADD_FAILURE() << "a snapshot came from " << service.path();
      return {};
    }
    return *error;
  }

  fs::path dir_;
};

TEST_F(JsonFileExchangeRateServiceTest, ServesTheSnapshotInTheFile) {
  const fs::path path = write("rates.json", R"({"result":"success","baseCode":"EUR","timeLastUpdateUnix":1700000000,
      "timeNextUpdateUnix":1700086400,"rates":{"EUR":1,"USD":1.16901,"SLL":28881.123456789012345678901234}})");
  const ExchangeRateResult result = fetch(path);
  const auto* data = std::get_if<ExchangeRateData>(&result);
  ASSERT_NE(data, nullptr) << std::get<Error>(result).localizedDescription;
  EXPECT_EQ(*data, ExchangeRateData("EUR", 1700000000, 1700086400,
                                    {{"EUR", 1},
                                     {"USD", Decimal::fromString("1.16901").value()},
                                     {"SLL", Decimal::fromString("28881.123456789012345678901234").value()}}));
}

TEST_F(JsonFileExchangeRateServiceTest, ReadsBackWhatTheExampleSnapshotWrites) {
  std::optional<ExchangeRateData> sample;
  ExampleExchangeRateService().fetchExchangeRates(
      [&](ExchangeRateResult r) { sample = std::get<ExchangeRateData>(r); });
  ASSERT_TRUE(sample.has_value());
  const ExchangeRateResult result = fetch(write("example.json", sample->toJSON().value()));
  ASSERT_TRUE(std::holds_alternative<ExchangeRateData>(result));
  EXPECT_EQ(std::get<ExchangeRateData>(result), *sample);
}

TEST_F(JsonFileExchangeRateServiceTest, AMissingFileIsAnUnreadableFileError) {
  const Error error = errorOf(dir_ / "absent.json");
  EXPECT_EQ(error.domain, "JsonFileExchangeRateService");
  EXPECT_EQ(error.code, 1);
  EXPECT_NE(error.localizedDescription.find("absent.json"), std::string::npos) << error.localizedDescription;
  EXPECT_NE(error.localizedDescription.find("No such file"), std::string::npos) << error.localizedDescription;
}

TEST_F(JsonFileExchangeRateServiceTest, ADirectoryIsAnUnreadableFileError) {
  const Error error = errorOf(dir_);
  EXPECT_EQ(error.domain, "JsonFileExchangeRateService");
  EXPECT_EQ(error.code, 1);
}

// A file's text that is no snapshot, and the words its error must contain.
struct Malformed {
  std::string_view name;
  std::string_view text;
  std::string_view mentions;
};

class JsonFileMalformed : public JsonFileExchangeRateServiceTest, public testing::WithParamInterface<Malformed> {};

TEST_P(JsonFileMalformed, IsAMalformedFileErrorNamingTheProblem) {
  const Error error = errorOf(write("bad.json", GetParam().text));
  EXPECT_EQ(error.domain, "JsonFileExchangeRateService");
  EXPECT_EQ(error.code, 2);
  EXPECT_NE(error.localizedDescription.find(GetParam().mentions), std::string::npos) << error.localizedDescription;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonFileMalformed,
    testing::Values(Malformed{"Empty", "", "invalid JSON"},
                    Malformed{"Truncated", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":0.8)",
                              "invalid JSON"},
                    Malformed{"NoRates", R"({"baseCode":"USD","timeLastUpdateUnix":1})", "rates: required key"},
                    Malformed{"RateAsText", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":"x"}})",
                              "rates.EUR"},
                    Malformed{"NotJsonAtAll", "\x89PNG\r\n\x1a\n", "invalid JSON"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(JsonFileExchangeRateServiceTest, ReadsTheFileAfreshOnEachFetch) {
  const fs::path path = write("rates.json", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":0.5}})");
  JsonFileExchangeRateService service(path);
  EXPECT_EQ(service.path(), path);
  EXPECT_TRUE(std::holds_alternative<ExchangeRateData>(fetch(service)));
  write("rates.json", "{");
  EXPECT_EQ(errorOf(service).code, 2);
  write("rates.json", R"({"baseCode":"USD","timeLastUpdateUnix":2,"rates":{}})");
  EXPECT_EQ(std::get<ExchangeRateData>(fetch(service)).timeLastUpdateUnix(), 2);
}

TEST_F(JsonFileExchangeRateServiceTest, AnEndlessFileIsRefusedAtTheSizeLimit) {
  const Error error = errorOf("/dev/zero");
  EXPECT_EQ(error.code, 1);
  EXPECT_NE(error.localizedDescription.find("larger than 64 MiB"), std::string::npos) << error.localizedDescription;
}

}  // namespace
}  // namespace tal
