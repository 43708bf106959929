#include "support/test_main.h"

#ifdef KAIRO_TEST_CORE_ONLY
#include <QCoreApplication>
#else
#include <QApplication>
#endif
#include <QFileInfo>
#include <QTest>
#include <map>
#include <memory>
#include <string>

namespace kairo::test {
namespace {
std::map<std::string, Factory>& registry() {
  static std::map<std::string, Factory> cases;
  return cases;
}
}  // namespace

bool registerTestCase(const char* file, Factory factory) {
  registry().emplace(QFileInfo(QString::fromUtf8(file)).completeBaseName().toStdString(),
                     std::move(factory));
  return true;
}

}  // namespace kairo::test

int main(int argc, char** argv) {
#ifdef KAIRO_TEST_CORE_ONLY
  QCoreApplication app(argc, argv);
#else
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
#endif
  auto& cases = kairo::test::registry();
  QStringList rest;
  std::string only;
  if (argc > 1 && argv[1][0] != '-') {
    only = argv[1];
    if (!cases.count(only)) {
      qCritical("no test case named %s", only.c_str());
      return 2;
    }
  }
  rest << QString::fromLocal8Bit(argv[0]);
  for (int i = only.empty() ? 1 : 2; i < argc; ++i) rest << QString::fromLocal8Bit(argv[i]);
  int failures = 0;
  for (auto& [name, factory] : cases) {
    if (!only.empty() && name != only) continue;
    std::unique_ptr<QObject> testObject(factory());
    failures += QTest::qExec(testObject.get(), rest);
  }
  return failures == 0 ? 0 : 1;
}
