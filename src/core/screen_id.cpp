#include "core/screen_id.h"

namespace kairo {
namespace {

constexpr const char* kNames[kScreenCount] = {
    "StartF",
    "説明",
    "Hard",
    "SetForm",
    "解き方",
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

}  // namespace

QString screenName(ScreenId id) {
  return QString::fromUtf8(kNames[static_cast<int>(id)]);
}

std::optional<ScreenId> screenByName(const QString& name) {
  for (int i = 0; i < kScreenCount; ++i)
    if (name == QString::fromUtf8(kNames[i])) return static_cast<ScreenId>(i);
  return std::nullopt;
}

}  // namespace kairo
