#pragma once

#include <QObject>
#include <functional>

namespace kairo::test {

// Test classes register themselves under their file's stem; the folder's executable runs the one
// CTest names (or all of them when started by hand without an argument).
using Factory = std::function<QObject*()>;
bool registerTestCase(const char* file, Factory factory);

}  // namespace kairo::test

#define KAIRO_TEST_CASE(Class)                \
  static const bool kairoRegistered_##Class = \
      kairo::test::registerTestCase(__FILE__, [] { return static_cast<QObject*>(new Class); });
