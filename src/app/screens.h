#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <initializer_list>
#include <memory>
#include <optional>

namespace kairo {

class Application;

// Every window of the program. Names are the windows' object names (ScreenRegistry::name).
enum class ScreenId {
  StartF,
  Setsumei,  // 説明
  Hard,
  SetForm,
  // beginner exercises
  EasyR1,
  EasyR2,
  EasyRHei,  // EasyR並
  EasyA,
  EasyA2,
  EasyA3,
  EasyAHei,  // EasyA並
  // beginner results
  EasyRSeikai,
  EasyRHeiSeikai,
  EasyAHeiSeikai,
  EasyASeikai,
  EasyRFuseikai1,
  EasyR2Fuseikai1,
  EasyRHeiFuseikai1,
  EasyAFuseikai1,
  EasyA2Fuseikai1,
  EasyA3Fuseikai1,
  EasyAHeiFuseikai1,
  EasyRFuseikai2,
  EasyAFuseikai2,
  EasyAFuseikai3,
  EasyREND,
  // intermediate exercises
  Normali,
  Normali2,
  NormaliHei,  // Normali並
  NormalAA,
  NormalAA2,
  NormalAA3,
  NormalAAHei,  // NormalAA並
  // intermediate results
  NormaliSeikai,
  NormaliHeiSeikai,
  NormalAAHeiSeikai,
  NormalAASeikai,
  NormaliFuseikai1,
  Normali2Fuseikai1,
  NormaliHeiFuseikai1,
  NormalAAFuseikai1,
  NormalAA2Fuseikai1,
  NormalAA3Fuseikai1,
  NormalAAHeiFuseikai1,
  NormaliFuseikai2,
  NormalAAFuseikai2,
  NormalAAFuseikai3,
  NormalEND,
  Count
};

constexpr int kScreenCount = static_cast<int>(ScreenId::Count);

// The windows of the two courses: exercises, results, selections and end screens.
constexpr bool isCourseScreen(ScreenId id) {
  return id >= ScreenId::EasyR1 && id < ScreenId::Count;
}
// The exercise windows, the ones with answer boxes and a miss label.
constexpr bool isExercise(ScreenId id) {
  return (id >= ScreenId::EasyR1 && id <= ScreenId::EasyAHei) ||
         (id >= ScreenId::Normali && id <= ScreenId::NormalAAHei);
}

// Creates each window on first use, hidden, and keeps it until the program ends.
class ScreenRegistry {
 public:
  explicit ScreenRegistry(Application& app);
  ~ScreenRegistry();

  static QString name(ScreenId id);
  static std::optional<ScreenId> byName(const QString& name);

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
  Application& app_;
  std::array<std::unique_ptr<QWidget>, kScreenCount> forms_;
};

// The window factories of each part of the program (one per folder).
QWidget* createAppScreen(Application& app, ScreenId id);           // StartF, 説明, Hard
QWidget* createSetForm(Application& app);                          // SetForm
QWidget* createBeginnerScreen(Application& app, ScreenId id);      // Easy*
QWidget* createIntermediateScreen(Application& app, ScreenId id);  // Normal*

}  // namespace kairo
