#pragma once

#include "core/screen_id.h"

// The windows of the intermediate course (NORMAL).
namespace kairo::screens {
// exercises
inline constexpr ScreenId Normali{"Normali"};
inline constexpr ScreenId Normali2{"Normali2"};
inline constexpr ScreenId NormaliHei{"Normali並"};
inline constexpr ScreenId NormalAA{"NormalAA"};
inline constexpr ScreenId NormalAA2{"NormalAA2"};
inline constexpr ScreenId NormalAA3{"NormalAA3"};
inline constexpr ScreenId NormalAAHei{"NormalAA並"};
// results
inline constexpr ScreenId NormaliSeikai{"Normali正解"};
inline constexpr ScreenId NormaliHeiSeikai{"Normali並正解"};
inline constexpr ScreenId NormalAAHeiSeikai{"NormalAA並正解"};
inline constexpr ScreenId NormalAASeikai{"NormalAA正解"};
inline constexpr ScreenId NormaliFuseikai1{"Normali不正解1"};
inline constexpr ScreenId Normali2Fuseikai1{"Normali2不正解1"};
inline constexpr ScreenId NormaliHeiFuseikai1{"Normali並不正解1"};
inline constexpr ScreenId NormalAAFuseikai1{"NormalAA不正解1"};
inline constexpr ScreenId NormalAA2Fuseikai1{"NormalAA2不正解1"};
inline constexpr ScreenId NormalAA3Fuseikai1{"NormalAA3不正解1"};
inline constexpr ScreenId NormalAAHeiFuseikai1{"NormalAA並不正解1"};
inline constexpr ScreenId NormaliFuseikai2{"Normali不正解2"};
inline constexpr ScreenId NormalAAFuseikai2{"NormalAA不正解2"};
inline constexpr ScreenId NormalAAFuseikai3{"NormalAA不正解3"};
inline constexpr ScreenId NormalEND{"NormalEND"};
}  // namespace kairo::screens
