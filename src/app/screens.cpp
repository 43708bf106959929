#include "app/screens.h"

#include <QGuiApplication>
#include <QWidget>

#include "app/application.h"

namespace kairo {
namespace {

constexpr const char* kNames[kScreenCount] = {
    "StartF",
    "説明",
    "Hard",
    "SetForm",
    "EasyR1",
    "EasyR2",
    "EasyR並",
    "EasyA",
    "EasyA2",
    "EasyA3",
    "EasyA並",
    "EasyR正解",
    "EasyR並正解",
    "EasyA並正解",
    "EasyA正解",
    "EasyR不正解1",
    "EasyR2不正解1",
    "EasyR並不正解1",
    "EasyA不正解1",
    "EasyA2不正解1",
    "EasyA3不正解1",
    "EasyA並不正解1",
    "EasyR不正解2",
    "EasyA不正解2",
    "EasyA不正解3",
    "EasyREND",
    "Normali",
    "Normali2",
    "Normali並",
    "NormalAA",
    "NormalAA2",
    "NormalAA3",
    "NormalAA並",
    "Normali正解",
    "Normali並正解",
    "NormalAA並正解",
    "NormalAA正解",
    "Normali不正解1",
    "Normali2不正解1",
    "Normali並不正解1",
    "NormalAA不正解1",
    "NormalAA2不正解1",
    "NormalAA3不正解1",
    "NormalAA並不正解1",
    "Normali不正解2",
    "NormalAA不正解2",
    "NormalAA不正解3",
    "NormalEND",
};

QWidget* create(Application& app, ScreenId id) {
  switch (id) {
    case ScreenId::StartF:
    case ScreenId::Setsumei:
    case ScreenId::Hard:
      return createAppScreen(app, id);
    case ScreenId::SetForm:
      return createSetForm(app);
    default:
      break;
  }
  if (id < ScreenId::Normali) return createBeginnerScreen(app, id);
  return createIntermediateScreen(app, id);
}

}  // namespace

ScreenRegistry::ScreenRegistry(Application& app) : app_(app) {}

ScreenRegistry::~ScreenRegistry() = default;

QString ScreenRegistry::name(ScreenId id) {
  return QString::fromUtf8(kNames[index(id)]);
}

std::optional<ScreenId> ScreenRegistry::byName(const QString& name) {
  for (int i = 0; i < kScreenCount; ++i)
    if (name == QString::fromUtf8(kNames[i])) return static_cast<ScreenId>(i);
  return std::nullopt;
}

QWidget* ScreenRegistry::form(ScreenId id) {
  auto& slot = forms_[index(id)];
  if (!slot) {
    QWidget* created = create(app_, id);
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
