#include "TalFoundation/appsupport/Kesto.h"

#include <gtest/gtest.h>
#include <unicode/locid.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "TalFoundation/platform/LinkOpener.h"
#include "TalFoundation/platform/MainQueue.h"
#include "tests/support/JoinedThreads.h"

namespace tal {
namespace {

// Every test runs against one known configuration and puts the default back.
class KestoTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Kesto::configure({"apps.apple.com", "1234567", "www.tal.test"}));
  }
  void TearDown() override { Kesto::configure(Kesto::Configuration{}); }
};

void setDefaultLocale(const icu::Locale& locale) {
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(locale, status);
  ASSERT_TRUE(U_SUCCESS(status));
}

class DefaultLocaleGuard {
 public:
  explicit DefaultLocaleGuard(const char* id) : saved_(icu::Locale::getDefault()) {
    setDefaultLocale(icu::Locale(id));
  }
  ~DefaultLocaleGuard() { setDefaultLocale(saved_); }
  DefaultLocaleGuard(const DefaultLocaleGuard&) = delete;
  DefaultLocaleGuard& operator=(const DefaultLocaleGuard&) = delete;

 private:
  icu::Locale saved_;
};

// --- language segment ---------------------------------------------------------

struct SegmentRow {
  const char* locale;
  std::string_view segment;
};
void PrintTo(const SegmentRow& r, std::ostream* os) { *os << r.locale; }

const SegmentRow kSegments[] = {
    {"zh-Hant-CN", "tc"},  // the script decides
    {"zh-Hans-TW", "tc"},  // then the region
    {"zh-Hans-HK", "tc"}, {"zh-Hans-MO", "tc"}, {"zh-Hans-CN", "zh"}, {"zh", "zh"}, {"zh-SG", "zh"},
    {"zh-TW", "tc"},      {"zh-HK", "tc"},      {"zh-Hant", "tc"},    {"zh-Hans", "zh"},
    {"zh_Hant_CN", "tc"}, {"zh_Hans_CN", "zh"}, {"zh-Latn-TW", "tc"}, {"zh-Latn", "zh"},
    {"en-HK", "en"},      {"en", "en"},         {"en-TW", "en"},      {"yue-Hant-HK", "en"},
    {"ja-JP", "en"},      {"", "en"},           {"und", "en"},
};

class LanguageSegment : public testing::TestWithParam<SegmentRow> {};

TEST_P(LanguageSegment, FromAnIdentifier) { EXPECT_EQ(Kesto::languageSegment(GetParam().locale), GetParam().segment); }

TEST_P(LanguageSegment, FromTheCurrentLocaleOnEveryCall) {
  const DefaultLocaleGuard guard(GetParam().locale);
  EXPECT_EQ(Kesto::languageSegment(), GetParam().segment);
}

INSTANTIATE_TEST_SUITE_P(Locales, LanguageSegment, testing::ValuesIn(kSegments));

// --- the nine web pages ---------------------------------------------------------------

struct PagesRow {
  const char* locale;
  std::string_view privacy;
  std::string_view terms;
  std::string_view support;
};
void PrintTo(const PagesRow& r, std::ostream* os) { *os << r.locale; }

class WebPages : public KestoTest, public testing::WithParamInterface<PagesRow> {};

TEST_P(WebPages, UseTheCurrentLanguageSegment) {
  const PagesRow& r = GetParam();
  const DefaultLocaleGuard guard(r.locale);
  EXPECT_EQ(Kesto::privacyPolicyUrl(), r.privacy);
  EXPECT_EQ(Kesto::termsOfServiceUrl(), r.terms);
  EXPECT_EQ(Kesto::supportUrl(), r.support);
  EXPECT_EQ(Kesto::privacyPolicyURL().absoluteString(), r.privacy);
  EXPECT_EQ(Kesto::termsOfServiceURL().absoluteString(), r.terms);
  EXPECT_EQ(Kesto::supportURL().absoluteString(), r.support);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, WebPages,
    testing::Values(PagesRow{"en_US", "https://www.tal.test/en/legal/privacy-policy",
                             "https://www.tal.test/en/legal/terms", "https://www.tal.test/en/contact/"},
                    PagesRow{"zh_Hans_CN", "https://www.tal.test/zh/legal/privacy-policy",
                             "https://www.tal.test/zh/legal/terms", "https://www.tal.test/zh/contact/"},
                    PagesRow{"zh_Hant_TW", "https://www.tal.test/tc/legal/privacy-policy",
                             "https://www.tal.test/tc/legal/terms", "https://www.tal.test/tc/contact/"}));

TEST_F(KestoTest, WebPageURLsSplitIntoHostAndPath) {
  const DefaultLocaleGuard guard("zh_HK");
  const platform::URL url = Kesto::supportURL();
  EXPECT_EQ(url.scheme(), "https");
  EXPECT_EQ(url.host(), "www.tal.test");
  EXPECT_EQ(url.path(), "/tc/contact/");
  EXPECT_EQ(url.query(), std::nullopt);
}

TEST_F(KestoTest, TheLanguageIsChosenAgainOnEachAccess) {
  {
    const DefaultLocaleGuard guard("en_US");
    EXPECT_EQ(Kesto::termsOfServiceUrl(), "https://www.tal.test/en/legal/terms");
  }
  {
    const DefaultLocaleGuard guard("zh_CN");
    EXPECT_EQ(Kesto::termsOfServiceUrl(), "https://www.tal.test/zh/legal/terms");
  }
}

// --- store links ----------------------------------------------------------------------

struct ReviewRow {
  std::int64_t appId;
  std::string_view store;
  std::string_view web;
};
void PrintTo(const ReviewRow& r, std::ostream* os) { *os << r.appId; }

class ReviewURL : public KestoTest, public testing::WithParamInterface<ReviewRow> {};

TEST_P(ReviewURL, WritesTheIdentifierInDecimal) {
  const platform::URL store = Kesto::appReviewURL(GetParam().appId);
  const platform::URL web = Kesto::appReviewURLHttps(GetParam().appId);
  EXPECT_EQ(store.absoluteString(), GetParam().store);
  EXPECT_EQ(web.absoluteString(), GetParam().web);
  EXPECT_EQ(store.query(), "mt=8&action=write-review");
  EXPECT_EQ(store.path(), web.path());
}

INSTANTIATE_TEST_SUITE_P(
    Identifiers, ReviewURL,
    testing::Values(
        ReviewRow{42, "itms-apps://apps.apple.com/app/id42?mt=8&action=write-review",
                  "https://apps.apple.com/app/id42?mt=8&action=write-review"},
        ReviewRow{0, "itms-apps://apps.apple.com/app/id0?mt=8&action=write-review",
                  "https://apps.apple.com/app/id0?mt=8&action=write-review"},
        ReviewRow{-1, "itms-apps://apps.apple.com/app/id-1?mt=8&action=write-review",
                  "https://apps.apple.com/app/id-1?mt=8&action=write-review"},
        ReviewRow{1480437741, "itms-apps://apps.apple.com/app/id1480437741?mt=8&action=write-review",
                  "https://apps.apple.com/app/id1480437741?mt=8&action=write-review"},
        ReviewRow{std::numeric_limits<std::int64_t>::max(),
                  "itms-apps://apps.apple.com/app/id9223372036854775807?mt=8&action=write-review",
                  "https://apps.apple.com/app/id9223372036854775807?mt=8&action=write-review"},
        ReviewRow{std::numeric_limits<std::int64_t>::min(),
                  "itms-apps://apps.apple.com/app/id-9223372036854775808?mt=8&action=write-review",
                  "https://apps.apple.com/app/id-9223372036854775808?mt=8&action=write-review"}));

TEST_F(KestoTest, DeveloperPageAndSubscriptions) {
  EXPECT_EQ(Kesto::ourAppsURLInAppStore().absoluteString(), "itms-apps://apps.apple.com/developer/id1234567");
  EXPECT_EQ(Kesto::subscriptionManageURL().absoluteString(), "https://apps.apple.com/account/subscriptions");
}

// --- configuration ---------------------------------------------------------------------

class RejectedConfiguration : public KestoTest, public testing::WithParamInterface<Kesto::Configuration> {};

TEST_P(RejectedConfiguration, LeavesTheLinksAsTheyWere) {
  EXPECT_FALSE(Kesto::configure(GetParam()));
  EXPECT_EQ(Kesto::configuration(), (Kesto::Configuration{"apps.apple.com", "1234567", "www.tal.test"}));
}

INSTANTIATE_TEST_SUITE_P(Configurations, RejectedConfiguration,
                         testing::Values(Kesto::Configuration{"", "1", "a.test"},
                                         Kesto::Configuration{"apps.apple.com", "", "a.test"},
                                         Kesto::Configuration{"apps.apple.com", "12a", "a.test"},
                                         Kesto::Configuration{"apps.apple.com", "-1", "a.test"},
                                         Kesto::Configuration{"apps.apple.com", "1", ""},
                                         Kesto::Configuration{"apps apple.com", "1", "a.test"},
                                         Kesto::Configuration{"apps.apple.com", "1", "a.test/evil"},
                                         Kesto::Configuration{"apps.apple.com", "1", "a.test?x"},
                                         Kesto::Configuration{"apps.apple.com", "1", "例え.jp"},
                                         Kesto::Configuration{":", "1", "a.test"},
                                         Kesto::Configuration{"::", "1", "a.test"},
                                         Kesto::Configuration{"apps.apple.com", "1", ":443"},
                                         Kesto::Configuration{"apps.apple.com", "1", "a.test:"},
                                         Kesto::Configuration{"apps.apple.com", "1", "a.test:8:8"},
                                         Kesto::Configuration{"apps.apple.com", "1", "a.test:https"}));

TEST_F(KestoTest, AHostMayNameAPort) {
  ASSERT_TRUE(Kesto::configure({"store.test:8443", "1", "localhost:8080"}));
  EXPECT_EQ(Kesto::ourAppsURLInAppStore().absoluteString(), "itms-apps://store.test:8443/developer/id1");
  EXPECT_EQ(Kesto::supportUrl("en"), "https://localhost:8080/en/contact/");
}

TEST(KestoDefaults, AreTheStoreAndPlaceholders) {
  EXPECT_EQ(Kesto::configuration(), (Kesto::Configuration{"apps.apple.com", "0", "www.example.com"}));
}

// --- opening ----------------------------------------------------------------------------

// Notes whether each open ran on the main queue.
class QueueCheckingOpener final : public platform::LinkOpener {
 public:
  void open(const platform::URL& url) override {
    const std::lock_guard lock(mutex_);
    opened_.push_back(url.absoluteString());
    onMainQueue_.push_back(platform::MainQueue::main().isCurrent());
  }
  std::vector<std::string> opened() const {
    const std::lock_guard lock(mutex_);
    return opened_;
  }
  std::vector<bool> onMainQueue() const {
    const std::lock_guard lock(mutex_);
    return onMainQueue_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> opened_;
  std::vector<bool> onMainQueue_;
};

class OpenURL : public KestoTest {
 protected:
  void SetUp() override {
    KestoTest::SetUp();
    platform::LinkOpener::setCurrent(opener_);
  }
  void TearDown() override {
    platform::MainQueue::main().setMode(platform::MainQueue::Mode::ownThread);
    platform::MainQueue::main().waitUntilIdle();
    platform::LinkOpener::setCurrent(nullptr);
    KestoTest::TearDown();
  }
  std::shared_ptr<QueueCheckingOpener> opener_ = std::make_shared<QueueCheckingOpener>();
};

TEST_F(OpenURL, ReturnsAtOnceAndOpensLaterOnTheMainQueue) {
  platform::MainQueue::main().setMode(platform::MainQueue::Mode::appDrained);
  Kesto::openURL(Kesto::subscriptionManageURL());
  EXPECT_TRUE(opener_->opened().empty());
  EXPECT_EQ(platform::MainQueue::main().drain(), 1U);
  EXPECT_EQ(opener_->opened(), (std::vector<std::string>{"https://apps.apple.com/account/subscriptions"}));
  EXPECT_EQ(opener_->onMainQueue(), (std::vector<bool>{true}));
}

TEST_F(OpenURL, UsesTheOpenerInstalledWhenCalled) {
  platform::MainQueue::main().setMode(platform::MainQueue::Mode::appDrained);
  Kesto::openURL(Kesto::appReviewURL(42));
  auto later = std::make_shared<platform::RecordingLinkOpener>();
  platform::LinkOpener::setCurrent(later);
  platform::MainQueue::main().drain();
  EXPECT_EQ(opener_->opened().size(), 1U);
  EXPECT_TRUE(later->opened().empty());
}

TEST_F(OpenURL, GoesToTheAppsPosterWhenOneIsInstalled) {
  std::vector<platform::Task> posted;
  platform::setMainThreadPoster([&posted](platform::Task task) { posted.push_back(std::move(task)); });
  platform::MainQueue::main().setMode(platform::MainQueue::Mode::appDrained);
  Kesto::openURL(Kesto::subscriptionManageURL());
  platform::setMainThreadPoster(nullptr);
  EXPECT_EQ(platform::MainQueue::main().pendingCount(), 0U);
  ASSERT_EQ(posted.size(), 1U);
  EXPECT_TRUE(opener_->opened().empty());
  posted.front()();
  EXPECT_EQ(opener_->opened(), (std::vector<std::string>{"https://apps.apple.com/account/subscriptions"}));
}

TEST_F(OpenURL, FromManyThreadsEveryAddressOpensOnTheMainQueueThread) {
  constexpr int kThreads = 4;
  constexpr int kEach = 25;
  {
    tal::test_support::JoinedThreads callers;
    for (int t = 0; t < kThreads; ++t) {
      callers.emplace_back([t] {
        for (int i = 0; i < kEach; ++i) Kesto::openURL(Kesto::appReviewURL(t * 1000 + i));
      });
    }
  }
  ASSERT_TRUE(platform::MainQueue::main().waitUntilIdle());
  EXPECT_EQ(opener_->opened().size(), static_cast<std::size_t>(kThreads * kEach));
  for (const bool onQueue : opener_->onMainQueue()) EXPECT_TRUE(onQueue);
}

}  // namespace
}  // namespace tal
