// LinkOpener: the seam that opens an address for the app (the store, a web
// page), and URL, the address it is handed. The default opener records what
// it was asked to open, so the app or a test can hand it on or inspect it.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/Export.h"

namespace tal::platform {

/// An absolute address "scheme:[//host]path[?query][#fragment]", kept as
/// the text it was made from.
class TAL_EXPORT URL {
 public:
  /// Absent unless `text` begins with a scheme (a letter, then letters,
  /// digits, "+", "-" or ".") and ":", and holds no space or control
  /// character.
  [[nodiscard]] static std::optional<URL> fromString(std::string_view text);

  [[nodiscard]] const std::string& absoluteString() const noexcept { return text_; }
  /// Without the ":", as written.
  [[nodiscard]] std::string_view scheme() const noexcept;
  /// The authority after "//" up to the path; empty when there is none.
  [[nodiscard]] std::string_view host() const noexcept;
  /// From the end of the host up to "?" or "#".
  [[nodiscard]] std::string_view path() const noexcept;
  /// After "?" up to "#"; absent when there is no "?".
  [[nodiscard]] std::optional<std::string_view> query() const noexcept;

  /// By text.
  friend bool operator==(const URL&, const URL&) = default;

 private:
  URL() = default;

  std::string text_;
  std::size_t schemeEnd_ = 0;  // index of ':'
  std::size_t hostBegin_ = 0;
  std::size_t hostEnd_ = 0;
  std::size_t pathEnd_ = 0;
  std::size_t queryEnd_ = 0;  // equals pathEnd_ when there is no query
  bool hasQuery_ = false;
};

/// Opens addresses. Called on the main queue; implementations decide
/// themselves what opening means on their desktop.
class TAL_EXPORT LinkOpener {
 public:
  virtual ~LinkOpener() = default;

  /// Asks for `url` to be opened; nothing is reported back.
  virtual void open(const URL& url) = 0;

  /// The installed opener; a process-wide RecordingLinkOpener until the app
  /// installs another.
  [[nodiscard]] static std::shared_ptr<LinkOpener> current();
  /// Installs `opener`; nullptr restores the process's recording opener.
  static void setCurrent(std::shared_ptr<LinkOpener> opener);
};

/// Keeps every address it is asked to open, in order; safe from any thread.
class TAL_EXPORT RecordingLinkOpener final : public LinkOpener {
 public:
  void open(const URL& url) override;

  /// The addresses opened so far.
  [[nodiscard]] std::vector<URL> opened() const;
  /// Forgets them.
  void clear();

 private:
  mutable std::mutex mutex_;
  std::vector<URL> opened_;
};

}  // namespace tal::platform
