// Runs the three benchmarks offscreen and prints one Markdown table, with notes on where the time
// and memory go (progress goes to stderr):
//
//   bench_runner [--runs N] [--passes N]
//
// Start-up: startup_probe and bare_window, alternately, N times each (default 40); each reports
// the monotonic time of its first finished paint, against the time just before it was started.
// Memory: peak resident memory of the program with every window opened once, against the bare
// window (median of 5). Clicks: bench_clicks with N passes of its walker through every window
// (default 20). Exits non-zero when a probe did not finish or the walker failed.
#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <optional>

#include "support.h"

namespace {

namespace bench = kairo::bench;

using Report = QMap<QByteArray, qint64>;

QString runtimeDir() {
  static const QTemporaryDir dir;  // 0700, removed when the runner ends
  return dir.path();
}

// Offscreen, quiet, and with a runtime folder (without one Qt warns on every start, which would
// be timed too).
QProcessEnvironment probeEnvironment() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.qpa.*=false"));
  if (!env.contains(QStringLiteral("XDG_RUNTIME_DIR")))
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
  return env;
}

void progress(const QString& text) {
  std::fputs(qUtf8Printable(text + '\n'), stderr);
}

struct Run {
  QByteArray output;
  qint64 startedNs = 0;
  int exitCode = 0;
};

std::optional<Run> run(const char* name, const QStringList& args, int timeoutMs) {
  QProcess process;
  process.setProcessEnvironment(probeEnvironment());
  Run result;
  result.startedNs = bench::monotonicNs();
  process.start(QCoreApplication::applicationDirPath() + '/' + QString::fromLatin1(name), args);
  if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit) {
    process.kill();
    process.waitForFinished();
    progress(QStringLiteral("%1 did not finish: %2")
                 .arg(QString::fromLatin1(name), process.errorString()));
    return std::nullopt;
  }
  result.output = process.readAllStandardOutput();
  result.exitCode = process.exitCode();
  const QByteArray errors = process.readAllStandardError().trimmed();
  if (!errors.isEmpty()) progress(QString::fromUtf8(name + QByteArray(": ") + errors));
  if (process.exitCode() != 0)
    progress(
        QStringLiteral("%1 exited with %2").arg(QString::fromLatin1(name)).arg(process.exitCode()));
  return result;
}

// The "key=value key=value" line of a probe.
Report parseReport(const QByteArray& output) {
  Report report;
  const QList<QByteArray> lines = output.trimmed().split('\n');
  for (const QByteArray& pair : lines.last().split(' ')) {
    const auto at = pair.indexOf('=');
    if (at > 0) report.insert(pair.left(at), pair.mid(at + 1).toLongLong());
  }
  return report;
}

// One start, split at the probe's marks.
constexpr int kPhases = 4;
constexpr const char* kPhaseNames[kPhases] = {"process start → main", "QApplication",
                                              "windows built and shown", "first paint"};

struct Start {
  double ms = 0;
  double phaseMs[kPhases] = {};
  qint64 hwmKib = 0;
};

std::optional<Start> startOnce(const char* name, const QStringList& args = {}) {
  const auto result = run(name, args, 30000);
  if (!result) return std::nullopt;
  const Report report = parseReport(result->output);
  if (!report.contains("paint_ns")) return std::nullopt;
  const qint64 marks[kPhases + 1] = {result->startedNs, report.value("main_ns"),
                                     report.value("qt_ns"), report.value("built_ns"),
                                     report.value("paint_ns")};
  Start start;
  start.ms = double(marks[kPhases] - marks[0]) / 1e6;
  for (int i = 0; i < kPhases; ++i) start.phaseMs[i] = double(marks[i + 1] - marks[i]) / 1e6;
  start.hwmKib = report.value("hwm_kib");
  return start;
}

QString fixed(double value, int decimals) {
  return QString::number(value, 'f', decimals);
}

QString mib(double kib) {
  return fixed(kib / 1024.0, 1) + QStringLiteral(" MiB");
}

QString verdict(bool met) {
  return met ? QStringLiteral("met") : QStringLiteral("**missed**");
}

QString cpuModel() {
  QFile file(QStringLiteral("/proc/cpuinfo"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QStringLiteral("?");
  for (QByteArray line = file.readLine(); !line.isEmpty(); line = file.readLine())
    if (line.startsWith("model name"))
      return QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
  return QStringLiteral("?");
}

QString loadAverage() {
  QFile file(QStringLiteral("/proc/loadavg"));
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("?");
  return QString::fromLatin1(file.readAll()).section(' ', 0, 0);
}

int option(const QStringList& args, const QString& name, int fallback) {
  const auto at = args.indexOf(name);
  if (at < 0 || at + 1 >= args.size()) return fallback;
  return std::max(1, args.at(at + 1).toInt());
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication qtApp(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  const int runs = option(args, QStringLiteral("--runs"), 40);
  const int passes = option(args, QStringLiteral("--passes"), 20);
  const QString loadBefore = loadAverage();
  QStringList table;
  QStringList notes;
  bool complete = true;

  // ---- Start-up, alternating so that drifting machine load hits both alike ----
  progress(QStringLiteral("start-up: %1 runs each").arg(runs));
  startOnce("startup_probe");  // warms the file cache for both
  startOnce("bare_window");
  std::vector<double> programMs, bareMs, bareKib, labelMs;
  std::vector<double> programPhases[kPhases], barePhases[kPhases];
  for (int i = 0; i < runs && complete; ++i) {
    for (int k = 0; k < 2 && complete; ++k) {
      const bool program = (k == 0) == (i % 2 == 0);
      const auto start = startOnce(program ? "startup_probe" : "bare_window");
      if (!start) {
        complete = false;
        break;
      }
      (program ? programMs : bareMs).push_back(start->ms);
      for (int p = 0; p < kPhases; ++p)
        (program ? programPhases : barePhases)[p].push_back(start->phaseMs[p]);
      if (!program) bareKib.push_back(double(start->hwmKib));
    }
    // Every fourth round also the floor: the bare window with one line of Japanese text.
    if (i % 4 == 3)
      if (const auto label = startOnce("bare_window", {QStringLiteral("--label")}))
        labelMs.push_back(label->ms);
  }
  if (complete) {
    const double program = bench::median(programMs);
    const double bare = bench::median(bareMs);
    table << QStringLiteral(
                 "| Start-up until the start screen is painted (median of %1) | %2 ms "
                 "| %3 ms | %4 × | ≤ 1.30 × — %5 |")
                 .arg(runs)
                 .arg(fixed(program, 1), fixed(bare, 1), fixed(program / bare, 2),
                      verdict(program / bare <= 1.30));
    QStringList phases;
    for (int p = 0; p < kPhases; ++p)
      phases << QStringLiteral("%1 %2 / %3")
                    .arg(QString::fromUtf8(kPhaseNames[p]),
                         fixed(bench::median(programPhases[p]), 1),
                         fixed(bench::median(barePhases[p]), 1));
    notes << QStringLiteral("start-up phases, median ms, program / bare window: ") +
                 phases.join(QStringLiteral("; "));
    if (!labelMs.empty())
      notes << QStringLiteral(
                   "floor for any window with Japanese text (the bare window with one "
                   "line of it, median of %1): %2 ms, %3 × the empty window")
                   .arg(labelMs.size())
                   .arg(fixed(bench::median(labelMs), 1),
                        fixed(bench::median(labelMs) / bench::median(bareMs), 2));
  }

  // ---- Memory: every window opened and painted once, against the bare window ----
  progress(QStringLiteral("memory: every window opened, 5 runs"));
  std::vector<double> programKib, fontsKib;
  Report last;
  for (int i = 0; i < 5 && complete; ++i) {
    const auto result = run("startup_probe", {QStringLiteral("--all-windows")}, 60000);
    last = result ? parseReport(result->output) : Report();
    if (!last.contains("hwm_kib")) {
      complete = false;
      break;
    }
    programKib.push_back(double(last.value("hwm_kib")));
    if (const auto fonts = startOnce("bare_window", {QStringLiteral("--fonts")}))
      fontsKib.push_back(double(fonts->hwmKib));
  }
  if (complete) {
    const double program = bench::median(programKib);
    const double bare = bench::median(bareKib);
    table << QStringLiteral(
                 "| Peak resident memory, all %1 windows opened once and painted "
                 "(median of 5) | %2 | %3 | +%4 | ≤ +25 MiB — %5 |")
                 .arg(QString::number(last.value("windows")), mib(program), mib(bare),
                      mib(program - bare), verdict(program - bare <= 25.0 * 1024.0));
    notes << QStringLiteral(
                 "program memory at the end: %1 private, %2 mapped files (fonts, "
                 "libraries); the pixel buffers of all %3 windows come to %4%5")
                 .arg(
                     mib(double(last.value("rss_anon_kib"))),
                     mib(double(last.value("rss_file_kib"))),
                     QString::number(last.value("windows")), mib(double(last.value("backing_kib"))),
                     last.value("unpainted") > 0
                         ? QStringLiteral("; %1 windows did not paint").arg(last.value("unpainted"))
                         : QString());
    if (!fontsKib.empty())
      notes << QStringLiteral(
                   "floor for the four typefaces the screens use (the bare window with "
                   "a line in each): %1, +%2 over the empty window")
                   .arg(mib(bench::median(fontsKib)), mib(bench::median(fontsKib) - bare));
  }

  // ---- Clicks ----
  progress(QStringLiteral("clicks: %1 passes through every window").arg(passes));
  const auto clicks =
      run("bench_clicks",
          {QStringLiteral("--passes"), QString::number(passes), QStringLiteral("--tsv")}, 1800000);
  // A walk that missed a window, or whose clicks did not do what the courses say, measured
  // something else.
  if (!clicks || clicks->exitCode != 0) complete = false;
  QStringList slowest;
  if (clicks) {
    for (const QByteArray& raw : clicks->output.split('\n')) {
      const QStringList f = QString::fromUtf8(raw).split('\t');
      const QString key = f.value(0);
      if (key == QStringLiteral("kind") && f.size() >= 7) {
        table << QStringLiteral(
                     "| Click “%1” p50 / p99 / max (%2 clicks) | %3 / %4 / %5 ms | — | "
                     "p99 %4 ms | p99 < 16 ms — %6 |")
                     .arg(f.at(1), f.at(2), f.at(3), f.at(4), f.at(5),
                          verdict(f.at(4).toDouble() < 16.0));
      } else if (key == QStringLiteral("slow")) {
        slowest << QStringLiteral("%1 ms %2 (%3)").arg(f.value(1), f.value(2), f.value(3));
      } else if (key == QStringLiteral("screens_seen")) {
        notes << QStringLiteral("windows reached by the click walker: %1 of %2%3")
                     .arg(f.value(1), f.value(2),
                          f.value(3).isEmpty() ? QString() : " (missing: " + f.value(3) + ')');
      } else if (key == QStringLiteral("unpainted")) {
        notes << QStringLiteral("clicks after which a changed window did not paint: ") + f.value(1);
      } else if (key == QStringLiteral("failures")) {
        notes << QStringLiteral("clicks that did not open what the courses say they open: ") +
                     f.value(1);
      }
    }
  }
  if (!slowest.isEmpty())
    notes << QStringLiteral("slowest clicks: ") + slowest.join(QStringLiteral("; "));

  // ---- The learning record's cost: the same walk, every check written to a record ----
  progress(QStringLiteral("clicks with the learning record on: %1 passes").arg(passes));
  const auto recorded = run("bench_clicks",
                            {QStringLiteral("--passes"), QString::number(passes),
                             QStringLiteral("--record"), QStringLiteral("--tsv")},
                            1800000);
  if (!recorded || recorded->exitCode != 0) complete = false;
  const auto checkRow = [](const QByteArray& output) {
    for (const QByteArray& raw : output.split('\n')) {
      const QStringList f = QString::fromUtf8(raw).split('\t');
      if (f.value(0) == QStringLiteral("kind") && f.value(1) == QStringLiteral("解答チェック"))
        return f;
    }
    return QStringList();
  };
  if (clicks && recorded) {
    const QStringList off = checkRow(clicks->output), on = checkRow(recorded->output);
    if (off.size() >= 7 && on.size() >= 7) {
      const double cost = on.at(4).toDouble() - off.at(4).toDouble();
      table << QStringLiteral(
                   "| Click “解答チェック” with the record on, p50 / p99 / max (%1 clicks) | "
                   "%2 / %3 / %4 ms | — | p99 %5 ms over the record off | within 1 ms — %6 |")
                   .arg(on.at(2), on.at(3), on.at(4), on.at(5), QString::number(cost, 'f', 2),
                        verdict(cost <= 1.0));
    }
  }

  std::printf(
      "Kairo Drill benchmarks: Release build, QT_QPA_PLATFORM=offscreen, Qt %s; %s, %d hardware "
      "threads; load average %s at the start, %s at the end\n\n",
      qVersion(), qUtf8Printable(cpuModel()), QThread::idealThreadCount(),
      qUtf8Printable(loadBefore), qUtf8Printable(loadAverage()));
  std::printf("| Measurement | Kairo Drill | Bare Qt window | Result | Target |\n");
  std::printf("|---|---:|---:|---:|---|\n");
  for (const QString& row : table) std::printf("%s\n", qUtf8Printable(row));
  std::printf("\n");
  for (const QString& note : notes) std::printf("- %s\n", qUtf8Printable(note));
  return complete ? 0 : 1;
}
