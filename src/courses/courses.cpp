#include "courses/courses.h"

#include "courses/advanced/advanced.h"
#include "courses/beginner/beginner.h"
#include "courses/intermediate/intermediate.h"

namespace kairo {

std::span<const CourseDefinition* const> courses() {
  static const CourseDefinition* const list[] = {
      &beginner::course(),
      &intermediate::course(),
      &advanced::course(),
  };
  return list;
}

}  // namespace kairo
