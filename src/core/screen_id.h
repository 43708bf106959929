#pragma once

#include <QString>
#include <optional>

namespace kairo {

// Every window of the program. Names are the windows' object names (screenName).
enum class ScreenId {
  StartF,
  Setsumei,  // 説明
  Hard,
  SetForm,
  Tokikata,  // 解き方: the worked solution
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

// The window's object name ("EasyR並", "説明"), and the window of a name.
QString screenName(ScreenId id);
std::optional<ScreenId> screenByName(const QString& name);

}  // namespace kairo
