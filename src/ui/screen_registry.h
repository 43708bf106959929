#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>

#include "core/screen_id.h"

namespace kairo {

// Creates each window on first use, hidden, and keeps it until the program ends. What a window
// looks like and does is the factory's (the program's top layer knows every part of it).
class ScreenRegistry {
 public:
  using Factory = std::function<QWidget*(ScreenId)>;
  explicit ScreenRegistry(Factory factory);
  ~ScreenRegistry();

  static QString name(ScreenId id) { return screenName(id); }
  static std::optional<ScreenId> byName(const QString& name) { return screenByName(name); }

  // The window, created hidden if it does not exist yet.
  QWidget* form(ScreenId id);
  bool isCreated(ScreenId id) const { return forms_[index(id)] != nullptr; }
  // Visible without creating it.
  bool isVisible(ScreenId id) const;
  // Create if needed, show modeless, bring to the front.
  void open(ScreenId id);
  // Hide (creating the window hidden if it does not exist, as any reference does).
  void hide(ScreenId id);
  void hide(std::initializer_list<ScreenId> ids);
  // Hide every window except `Hard`.
  void hideAllButHard();
  // Number of windows visible right now.
  int visibleCount() const;

  template <class T = QWidget>
  T* control(ScreenId id, const QString& name) {
    return form(id)->findChild<T*>(name);
  }

 private:
  static int index(ScreenId id) { return static_cast<int>(id); }
  Factory factory_;
  std::array<std::unique_ptr<QWidget>, kScreenCount> forms_;
};

}  // namespace kairo
