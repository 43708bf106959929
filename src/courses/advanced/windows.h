#pragma once

#include "core/screen_id.h"

// The windows of the advanced course (HARD).
namespace kairo::screens {
// exercises
inline constexpr ScreenId Hardi{"Hardi"};
inline constexpr ScreenId Hardi2{"Hardi2"};
inline constexpr ScreenId HardiChoku{"Hardi直"};
inline constexpr ScreenId HardP{"HardP"};
inline constexpr ScreenId HardP2{"HardP2"};
inline constexpr ScreenId HardPS{"HardPS"};
inline constexpr ScreenId HardAA{"HardAA"};
inline constexpr ScreenId HardAA2{"HardAA2"};
inline constexpr ScreenId HardAA3{"HardAA3"};
inline constexpr ScreenId HardAAHei{"HardAA並"};
// results
inline constexpr ScreenId HardiSeikai{"Hardi正解"};
inline constexpr ScreenId HardiChokuSeikai{"Hardi直正解"};
inline constexpr ScreenId HardPSeikai{"HardP正解"};
inline constexpr ScreenId HardPSSeikai{"HardPS正解"};
inline constexpr ScreenId HardAAHeiSeikai{"HardAA並正解"};
inline constexpr ScreenId HardAASeikai{"HardAA正解"};
inline constexpr ScreenId HardiFuseikai1{"Hardi不正解1"};
inline constexpr ScreenId Hardi2Fuseikai1{"Hardi2不正解1"};
inline constexpr ScreenId HardiChokuFuseikai1{"Hardi直不正解1"};
inline constexpr ScreenId HardPFuseikai1{"HardP不正解1"};
inline constexpr ScreenId HardP2Fuseikai1{"HardP2不正解1"};
inline constexpr ScreenId HardPSFuseikai1{"HardPS不正解1"};
inline constexpr ScreenId HardAAFuseikai1{"HardAA不正解1"};
inline constexpr ScreenId HardAA2Fuseikai1{"HardAA2不正解1"};
inline constexpr ScreenId HardAA3Fuseikai1{"HardAA3不正解1"};
inline constexpr ScreenId HardAAHeiFuseikai1{"HardAA並不正解1"};
inline constexpr ScreenId HardiFuseikai2{"Hardi不正解2"};
inline constexpr ScreenId HardPFuseikai2{"HardP不正解2"};
inline constexpr ScreenId HardAAFuseikai2{"HardAA不正解2"};
inline constexpr ScreenId HardAAFuseikai3{"HardAA不正解3"};
inline constexpr ScreenId HardEND{"HardEND"};
}  // namespace kairo::screens
