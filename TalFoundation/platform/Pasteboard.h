// Pasteboard: the seam to the system pasteboard: an ordered list of items,
// each holding representations keyed by type identifier ("public.rtf",
// "public.utf8-plain-text"). The default is a process-wide in-memory
// pasteboard; the app may install one backed by its desktop clipboard.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/Export.h"

namespace tal::platform {

/// One item: its representations as bytes, by type identifier.
using PasteboardItem = std::map<std::string, std::string, std::less<>>;

/// The system pasteboard seam: ordered items of typed representations; in-memory unless the app installs its own.
class TAL_EXPORT Pasteboard {
 public:
  /// The type identifier of UTF-8 plain text.
  static constexpr std::string_view kPlainTextType = "public.utf8-plain-text";
  /// The generic plain-text type identifier, also read as text.
  static constexpr std::string_view kGenericPlainTextType = "public.plain-text";
  /// The type identifier of RTF documents.
  static constexpr std::string_view kRTFType = "public.rtf";

  virtual ~Pasteboard() = default;

  /// A copy of the items, first to last.
  [[nodiscard]] virtual std::vector<PasteboardItem> items() const = 0;
  /// Replaces the whole contents.
  virtual void setItems(std::vector<PasteboardItem> items) = 0;

  /// Replaces the contents with one item holding `text` as UTF-8 plain text.
  void setString(std::string text);
  /// The plain text of the first item; absent when the pasteboard is empty
  /// or its first item has no plain-text representation.
  [[nodiscard]] std::optional<std::string> string() const;
  /// Replaces the contents with one item holding `bytes` under `type`.
  void setData(std::string bytes, std::string_view type);
  /// The representation under `type` of the first item that has one; absent
  /// when none has.
  [[nodiscard]] std::optional<std::string> data(std::string_view type) const;

  /// The general pasteboard: an in-memory one until the app installs another.
  [[nodiscard]] static std::shared_ptr<Pasteboard> general();
  /// Installs `pasteboard` as the general one; nullptr restores the
  /// process's in-memory pasteboard (with whatever it held).
  static void setGeneral(std::shared_ptr<Pasteboard> pasteboard);
};

/// A pasteboard in memory; safe to use from any thread.
class TAL_EXPORT InMemoryPasteboard final : public Pasteboard {
 public:
  [[nodiscard]] std::vector<PasteboardItem> items() const override;
  void setItems(std::vector<PasteboardItem> items) override;

 private:
  mutable std::mutex mutex_;
  std::vector<PasteboardItem> items_;
};

}  // namespace tal::platform
