#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/screen_id.h"

namespace kairo {

// Creates each window on first use, hidden, and keeps it until the program ends. What a window
// looks like and does is the factory's (the program's top layer knows every part of it).
class ScreenRegistry {
 public:
  using Factory = std::function<QWidget*(ScreenId)>;
  // `known`: every window there is, in a fixed order.
  ScreenRegistry(Factory factory, std::vector<ScreenId> known);
  ~ScreenRegistry();

  static QString name(ScreenId id) { return id.name(); }
  std::optional<ScreenId> byName(const QString& name) const;
  const std::vector<ScreenId>& all() const { return known_; }

  // The window, created hidden if it does not exist yet.
  QWidget* form(ScreenId id);
  bool isCreated(ScreenId id) const;
  // Visible without creating it.
  bool isVisible(ScreenId id) const;
  // Create if needed, show modeless, bring to the front.
  void open(ScreenId id);
  // Hide (creating the window hidden if it does not exist, as any reference does).
  void hide(ScreenId id);
  // Hide every window that exists.
  void hideAll();
  // Number of windows visible right now.
  int visibleCount() const;

  template <class T = QWidget>
  T* control(ScreenId id, const QString& name) {
    return form(id)->findChild<T*>(name);
  }

 private:
  std::size_t index(ScreenId id) const;
  Factory factory_;
  std::vector<ScreenId> known_;
  std::unordered_map<std::string_view, std::size_t> indexOf_;
  std::vector<std::unique_ptr<QWidget>> forms_;
};

}  // namespace kairo
