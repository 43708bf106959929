// The yardstick of the start-up and memory benchmarks: a bare Qt Widgets program that shows one
// empty window of the start screen's size and reports when it has been painted once.
//
// Two floors for what any window showing Japanese text pays (font configuration, fonts mapped):
//   --label  one line of Japanese text in the default font;
//   --fonts  a headline-sized line in each of the four typefaces the screens use (Gothic and
//            Mincho, regular and bold).
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "support.h"

namespace bench = kairo::bench;

namespace {

void addLine(QWidget& window, int row, const QString& family, bool bold) {
  auto* label = new QLabel(QStringLiteral("不正解！出直してきなさい"), &window);
  QFont font(family);
  font.setPointSize(24);
  font.setBold(bold);
  label->setFont(font);
  label->setGeometry(10, 10 + row * 60, 460, 50);
}

}  // namespace

int main(int argc, char** argv) {
  const qint64 mainNs = bench::monotonicNs();
  QApplication qtApp(argc, argv);
  const qint64 qtNs = bench::monotonicNs();
  QWidget window;
  window.setFixedSize(481, 429);
  const QStringList args = QApplication::arguments();
  if (args.contains(QStringLiteral("--label"))) {
    auto* label = new QLabel(QStringLiteral("まずはココを見て下さい。"), &window);
    label->setGeometry(152, 184, 185, 17);
  }
  if (args.contains(QStringLiteral("--fonts"))) {
    addLine(window, 0, QStringLiteral("Noto Sans CJK JP"), false);
    addLine(window, 1, QStringLiteral("Noto Sans CJK JP"), true);
    addLine(window, 2, QStringLiteral("Noto Serif CJK JP"), false);
    addLine(window, 3, QStringLiteral("Noto Serif CJK JP"), true);
  }
  window.show();
  const qint64 builtNs = bench::monotonicNs();
  bench::afterFirstPaint(&window, [=] {
    bench::report({{"paint_ns", bench::monotonicNs()},
                   {"main_ns", mainNs},
                   {"qt_ns", qtNs},
                   {"built_ns", builtNs},
                   {"hwm_kib", bench::statusKib("VmHWM")},
                   {"rss_anon_kib", bench::statusKib("RssAnon")},
                   {"rss_file_kib", bench::statusKib("RssFile")}});
    bench::quickExit();
  });
  return qtApp.exec();
}
