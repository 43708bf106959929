#include "support.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMap>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kairo::bench {
namespace {

class FirstPaintFilter : public QObject {
 public:
  FirstPaintFilter(QWidget* window, std::function<void()> then)
      : QObject(window), then_(std::move(then)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && then_) {
      // Queued: the window paints its children after its own paint event; all of it must be done.
      QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(then_),
                                Qt::QueuedConnection);
      then_ = nullptr;
      watched->removeEventFilter(this);
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

QtMessageHandler qtHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!message.contains(QLatin1String("propagateSizeHints"))) qtHandler(type, context, message);
}

}  // namespace

qint64 monotonicNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

qint64 statusKib(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
  const QByteArray prefix = QByteArray(field) + ':';
  for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
    if (!line.startsWith(prefix)) continue;
    // "VmHWM:     12345 kB"
    const QList<QByteArray> parts = line.mid(prefix.size()).simplified().split(' ');
    bool ok = false;
    const qint64 value = parts.value(0).toLongLong(&ok);
    return ok ? value : -1;
  }
  return -1;
}

std::vector<std::pair<QString, qint64>> residentMappings(std::size_t count) {
  QFile smaps(QStringLiteral("/proc/self/smaps"));
  if (!smaps.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QMap<QString, qint64> byName;
  QString current;
  for (QByteArray line = smaps.readLine(); !line.isEmpty(); line = smaps.readLine()) {
    const QList<QByteArray> parts = line.simplified().split(' ');
    if (parts.size() >= 5 && parts.at(0).contains('-')) {  // a mapping's header line
      current = parts.size() >= 6 ? QString::fromUtf8(parts.at(5)) : QStringLiteral("[anon]");
    } else if (parts.value(0) == "Rss:") {
      byName[current] += parts.value(1).toLongLong();
    }
  }
  std::vector<std::pair<QString, qint64>> list;
  for (auto it = byName.cbegin(); it != byName.cend(); ++it)
    list.emplace_back(it.key(), it.value());
  std::sort(list.begin(), list.end(),
            [](const auto& a, const auto& b) { return a.second > b.second; });
  if (list.size() > count) list.resize(count);
  return list;
}

double percentile(std::vector<double> samples, double p) {
  if (samples.empty()) return 0.0;
  std::sort(samples.begin(), samples.end());
  const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * double(samples.size())));
  return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

EventCounter::EventCounter() {
  QCoreApplication::instance()->installEventFilter(this);
}

EventCounter::~EventCounter() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool EventCounter::paintedIn(const QWidget* widget) const {
  for (QWidget* painted : painted_)
    if (painted == widget || widget->isAncestorOf(painted)) return true;
  return false;
}

void EventCounter::reset() {
  shown_.clear();
  painted_.clear();
}

bool EventCounter::eventFilter(QObject* watched, QEvent* event) {
  ++events_;
  if (event->type() == QEvent::Paint) {
    ++paints_;
    if (watched->isWidgetType()) painted_.insert(static_cast<QWidget*>(watched));
  } else if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow()) shown_.insert(widget);
  }
  return false;
}

int settle(const EventCounter& counter) {
  constexpr int kMaxRounds = 1000;
  int rounds = 0;
  quint64 before = 0;
  do {
    before = counter.events();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    ++rounds;
  } while (counter.events() != before && rounds < kMaxRounds);
  return rounds;
}

void afterFirstPaint(QWidget* window, std::function<void()> then) {
  new FirstPaintFilter(window, std::move(then));
}

void quietOffscreenNotes() {
  qtHandler = qInstallMessageHandler(quietHandler);
}

void report(std::initializer_list<std::pair<const char*, qint64>> values) {
  QByteArray line;
  for (const auto& [key, value] : values) {
    if (!line.isEmpty()) line += ' ';
    line += key;
    line += '=';
    line += QByteArray::number(value);
  }
  line += '\n';
  std::fputs(line.constData(), stdout);
  std::fflush(stdout);
}

void quickExit() {
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(0);
}

}  // namespace kairo::bench
