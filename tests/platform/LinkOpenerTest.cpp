#include "TalFoundation/platform/LinkOpener.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tal::platform {
namespace {

struct URLRow {
  std::string_view text;
  std::string_view scheme;
  std::string_view host;
  std::string_view path;
  std::optional<std::string_view> query;
};
void PrintTo(const URLRow& r, std::ostream* os) { *os << r.text; }

class URLParts : public testing::TestWithParam<URLRow> {};

TEST_P(URLParts, SplitAsWritten) {
  const URLRow& r = GetParam();
  const std::optional<URL> url = URL::fromString(r.text);
  ASSERT_TRUE(url.has_value());
  EXPECT_EQ(url->absoluteString(), r.text);
  EXPECT_EQ(url->scheme(), r.scheme);
  EXPECT_EQ(url->host(), r.host);
  EXPECT_EQ(url->path(), r.path);
  EXPECT_EQ(url->query(), r.query);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, URLParts,
    testing::Values(URLRow{"itms-apps://apps.apple.com/app/id42?mt=8&action=write-review", "itms-apps",
                           "apps.apple.com", "/app/id42", "mt=8&action=write-review"},
                    URLRow{"https://example.com/en/contact/", "https", "example.com", "/en/contact/", std::nullopt},
                    URLRow{"https://example.com", "https", "example.com", "", std::nullopt},
                    URLRow{"https://example.com:8443/a?", "https", "example.com:8443", "/a", ""},
                    URLRow{"https://h/p?q=1#frag", "https", "h", "/p", "q=1"},
                    URLRow{"https://h/p#frag?no", "https", "h", "/p", std::nullopt},
                    URLRow{"mailto:someone@example.com", "mailto", "", "someone@example.com", std::nullopt},
                    URLRow{"about:blank", "about", "", "blank", std::nullopt},
                    URLRow{"x+y.z-w:", "x+y.z-w", "", "", std::nullopt}));

class RejectedURL : public testing::TestWithParam<std::string_view> {};

TEST_P(RejectedURL, IsAbsent) { EXPECT_EQ(URL::fromString(GetParam()), std::nullopt); }

INSTANTIATE_TEST_SUITE_P(Texts, RejectedURL,
                         testing::Values("", ":", "://host", "1http://x", "-a:b", "http//x", "no scheme",
                                         "https://a b", "https://a\tb", "https://a\nb", std::string_view("a:\0", 3),
                                         "a:\x7F", " https://x", "ht_tp://x"));

TEST(RecordingLinkOpener, KeepsEveryAddressInOrderUntilCleared) {
  RecordingLinkOpener opener;
  opener.open(*URL::fromString("https://a/1"));
  opener.open(*URL::fromString("https://a/2"));
  opener.open(*URL::fromString("https://a/1"));
  ASSERT_EQ(opener.opened().size(), 3U);
  EXPECT_EQ(opener.opened()[1].absoluteString(), "https://a/2");
  EXPECT_EQ(opener.opened()[2], opener.opened()[0]);
  opener.clear();
  EXPECT_TRUE(opener.opened().empty());
}

TEST(LinkOpener, InstallingAndRestoringTheCurrentOpener) {
  const std::shared_ptr<LinkOpener> processOpener = LinkOpener::current();
  ASSERT_NE(processOpener, nullptr);
  EXPECT_NE(dynamic_cast<RecordingLinkOpener*>(processOpener.get()), nullptr);
  auto mine = std::make_shared<RecordingLinkOpener>();
  LinkOpener::setCurrent(mine);
  EXPECT_EQ(LinkOpener::current(), mine);
  LinkOpener::setCurrent(nullptr);
  EXPECT_EQ(LinkOpener::current(), processOpener);
}

}  // namespace
}  // namespace tal::platform
