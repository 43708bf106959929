#include "ui/screen_registry.h"

#include <QGuiApplication>
#include <QWidget>
#include <utility>

namespace kairo {

ScreenRegistry::ScreenRegistry(Factory factory) : factory_(std::move(factory)) {}

ScreenRegistry::~ScreenRegistry() = default;

QWidget* ScreenRegistry::form(ScreenId id) {
  auto& slot = forms_[index(id)];
  if (!slot) {
    QWidget* created = factory_(id);
    Q_ASSERT(created->objectName() == name(id));
    created->setObjectName(name(id));
    slot.reset(created);
  }
  return slot.get();
}

bool ScreenRegistry::isVisible(ScreenId id) const {
  const auto& slot = forms_[index(id)];
  return slot && slot->isVisible();
}

void ScreenRegistry::open(ScreenId id) {
  QWidget* window = form(id);
  window->show();
  // Offscreen rendering (tests, screenshots) has no stacking to change.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    window->raise();
    window->activateWindow();
  }
}

void ScreenRegistry::hide(ScreenId id) {
  form(id)->hide();
}

void ScreenRegistry::hide(std::initializer_list<ScreenId> ids) {
  for (ScreenId id : ids) hide(id);
}

void ScreenRegistry::hideAllButHard() {
  for (int i = 0; i < kScreenCount; ++i)
    if (static_cast<ScreenId>(i) != ScreenId::Hard) hide(static_cast<ScreenId>(i));
}

int ScreenRegistry::visibleCount() const {
  int count = 0;
  for (const auto& slot : forms_)
    if (slot && slot->isVisible()) ++count;
  return count;
}

}  // namespace kairo
