// A second program for the record's tests: record_writer <folder> <code prefix> <problems>
// records problems of two checks each (a miss, then a pass), ending each as helped, and prints
// a line once each write is committed: "C <code> <checks>" or "E <code>".

#include <QCoreApplication>
#include <cstdio>

#include "record/record.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 4) return 2;
  auto record = kairo::Record::open(QString::fromLocal8Bit(argv[1]));
  const QString prefix = QString::fromLocal8Bit(argv[2]);
  const int problems = QByteArray(argv[3]).toInt();
  for (int i = 0; i < problems && record->isOn(); ++i) {
    const QString code = prefix + QStringLiteral("%1").arg(i, 8 - prefix.size(), 10, QChar('0'));
    record->beginProblem(QStringLiteral("easy"), code);
    for (int n = 1; n <= 2; ++n) {
      record->check(QStringLiteral("w%1").arg(n), n == 2);
      record->flush();
      std::printf("C %s %d\n", qPrintable(code), n);
      std::fflush(stdout);
    }
    record->endProblem(kairo::Record::Outcome::Helped);
    record->flush();
    std::printf("E %s\n", qPrintable(code));
    std::fflush(stdout);
  }
  if (record->isOn()) return 0;
  std::fprintf(stderr, "%s\n", qPrintable(record->offReason()));
  return 1;
}
