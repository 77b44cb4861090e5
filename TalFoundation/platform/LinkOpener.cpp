#include "TalFoundation/platform/LinkOpener.h"

#include <utility>

namespace tal::platform {
namespace {

bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSchemeChar(char c) { return isAlpha(c) || isDigit(c) || c == '+' || c == '-' || c == '.'; }

struct Installed {
  std::mutex mutex;
  std::shared_ptr<LinkOpener> opener;
};

// Both never destroyed: a link may be asked for during static destruction.
Installed& installed() {
  static Installed& instance = *new Installed();
  return instance;
}

std::shared_ptr<LinkOpener> processOpener() {
  static const std::shared_ptr<LinkOpener>& instance =
      *new std::shared_ptr<LinkOpener>(std::make_shared<RecordingLinkOpener>());
  return instance;
}

}  // namespace

std::optional<URL> URL::fromString(std::string_view text) {
  if (text.empty() || !isAlpha(text.front())) return std::nullopt;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte == 0x7F) return std::nullopt;
  }
  std::size_t i = 1;
  while (i < text.size() && isSchemeChar(text[i])) ++i;
  if (i >= text.size() || text[i] != ':') return std::nullopt;

  URL url;
  url.text_ = std::string(text);
  url.schemeEnd_ = i;
  std::size_t pos = i + 1;
  url.hostBegin_ = url.hostEnd_ = pos;
  if (text.substr(pos, 2) == "//") {
    url.hostBegin_ = pos + 2;
    const std::size_t end = text.find_first_of("/?#", url.hostBegin_);
    url.hostEnd_ = end == std::string_view::npos ? text.size() : end;
    pos = url.hostEnd_;
  }
  const std::size_t pathEnd = text.find_first_of("?#", pos);
  url.pathEnd_ = pathEnd == std::string_view::npos ? text.size() : pathEnd;
  url.queryEnd_ = url.pathEnd_;
  if (url.pathEnd_ < text.size() && text[url.pathEnd_] == '?') {
    url.hasQuery_ = true;
    const std::size_t hash = text.find('#', url.pathEnd_);
    url.queryEnd_ = hash == std::string_view::npos ? text.size() : hash;
  }
  return url;
}

std::string_view URL::scheme() const noexcept { return std::string_view(text_).substr(0, schemeEnd_); }

std::string_view URL::host() const noexcept {
  return std::string_view(text_).substr(hostBegin_, hostEnd_ - hostBegin_);
}

std::string_view URL::path() const noexcept { return std::string_view(text_).substr(hostEnd_, pathEnd_ - hostEnd_); }

std::optional<std::string_view> URL::query() const noexcept {
  if (!hasQuery_) return std::nullopt;
  return std::string_view(text_).substr(pathEnd_ + 1, queryEnd_ - pathEnd_ - 1);
}

std::shared_ptr<LinkOpener> LinkOpener::current() {
  Installed& slot = installed();
  {
    const std::lock_guard lock(slot.mutex);
    if (slot.opener) return slot.opener;
  }
  return processOpener();
}

void LinkOpener::setCurrent(std::shared_ptr<LinkOpener> opener) {
  Installed& slot = installed();
  std::shared_ptr<LinkOpener> previous;
  {
    const std::lock_guard lock(slot.mutex);
    previous = std::exchange(slot.opener, std::move(opener));
  }
}

void RecordingLinkOpener::open(const URL& url) {
  const std::lock_guard lock(mutex_);
  opened_.push_back(url);
}

std::vector<URL> RecordingLinkOpener::opened() const {
  const std::lock_guard lock(mutex_);
  return opened_;
}

void RecordingLinkOpener::clear() {
  std::vector<URL> previous;
  const std::lock_guard lock(mutex_);
  previous.swap(opened_);
}

}  // namespace tal::platform
