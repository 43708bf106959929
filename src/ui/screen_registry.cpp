#include "ui/screen_registry.h"

#include <QGuiApplication>
#include <QWidget>
#include <utility>

namespace kairo {

ScreenRegistry::ScreenRegistry(Factory factory, std::vector<ScreenId> known)
    : factory_(std::move(factory)), known_(std::move(known)), forms_(known_.size()) {
  for (std::size_t i = 0; i < known_.size(); ++i) indexOf_.emplace(known_[i].utf8, i);
}

ScreenRegistry::~ScreenRegistry() = default;

std::size_t ScreenRegistry::index(ScreenId id) const {
  const auto found = id.isNone() ? indexOf_.end() : indexOf_.find(id.utf8);
  Q_ASSERT_X(found != indexOf_.end(), "ScreenRegistry", id.utf8);
  return found == indexOf_.end() ? 0 : found->second;
}

std::optional<ScreenId> ScreenRegistry::byName(const QString& name) const {
  const QByteArray utf8 = name.toUtf8();
  const auto found = indexOf_.find(std::string_view(utf8.constData(), std::size_t(utf8.size())));
  if (found == indexOf_.end()) return std::nullopt;
  return known_[found->second];
}

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

bool ScreenRegistry::isCreated(ScreenId id) const {
  return forms_[index(id)] != nullptr;
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

void ScreenRegistry::hideAll() {
  for (const auto& slot : forms_)
    if (slot) slot->hide();
}

int ScreenRegistry::visibleCount() const {
  int count = 0;
  for (const auto& slot : forms_)
    if (slot && slot->isVisible()) ++count;
  return count;
}

}  // namespace kairo
