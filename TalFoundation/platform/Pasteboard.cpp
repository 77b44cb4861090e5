#include "TalFoundation/platform/Pasteboard.h"

#include <utility>

namespace tal::platform {
namespace {

struct Installed {
  std::mutex mutex;
  std::shared_ptr<Pasteboard> pasteboard;
};

Installed& installed() {
  static Installed instance;
  return instance;
}

std::shared_ptr<Pasteboard> processPasteboard() {
  static const std::shared_ptr<Pasteboard> instance = std::make_shared<InMemoryPasteboard>();
  return instance;
}

}  // namespace

void Pasteboard::setString(std::string text) { setData(std::move(text), kPlainTextType); }

std::optional<std::string> Pasteboard::string() const {
  const std::vector<PasteboardItem> all = items();
  if (all.empty()) return std::nullopt;
  const PasteboardItem& first = all.front();
  for (const std::string_view type : {kPlainTextType, kGenericPlainTextType}) {
    if (const auto it = first.find(type); it != first.end()) return it->second;
  }
  return std::nullopt;
}

void Pasteboard::setData(std::string bytes, std::string_view type) {
  PasteboardItem item;
  item.emplace(std::string(type), std::move(bytes));
  std::vector<PasteboardItem> contents;
  contents.push_back(std::move(item));
  setItems(std::move(contents));
}

std::optional<std::string> Pasteboard::data(std::string_view type) const {
  for (const PasteboardItem& item : items()) {
    if (const auto it = item.find(type); it != item.end()) return it->second;
  }
  return std::nullopt;
}

std::shared_ptr<Pasteboard> Pasteboard::general() {
  Installed& slot = installed();
  {
    const std::lock_guard lock(slot.mutex);
    if (slot.pasteboard) return slot.pasteboard;
  }
  return processPasteboard();
}

void Pasteboard::setGeneral(std::shared_ptr<Pasteboard> pasteboard) {
  Installed& slot = installed();
  std::shared_ptr<Pasteboard> previous;
  {
    const std::lock_guard lock(slot.mutex);
    previous = std::exchange(slot.pasteboard, std::move(pasteboard));
  }
}

std::vector<PasteboardItem> InMemoryPasteboard::items() const {
  const std::lock_guard lock(mutex_);
  return items_;
}

void InMemoryPasteboard::setItems(std::vector<PasteboardItem> items) {
  std::vector<PasteboardItem> previous;
  {
    const std::lock_guard lock(mutex_);
    previous = std::exchange(items_, std::move(items));
  }
}

}  // namespace tal::platform
