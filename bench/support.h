// Pieces shared by the benchmark probes and the runner.
#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QEvent;
class QWidget;

namespace kairo::bench {

// Nanoseconds of the monotonic clock, comparable between processes of one machine (the runner
// takes it before starting a probe, the probe when its window has painted).
qint64 monotonicNs();

// A field of /proc/self/status in KiB ("VmHWM": peak resident memory, "VmRSS": resident now);
// -1 where the system has no such file.
qint64 statusKib(const char* field);

// The largest resident mappings of this process (file name or "[heap]", "[anon]"), in KiB,
// largest first: where peak memory went.
std::vector<std::pair<QString, qint64>> residentMappings(std::size_t count);

// Nearest-rank percentile (0 < p <= 100) of unsorted samples; 0 for no samples.
double percentile(std::vector<double> samples, double p);
inline double median(std::vector<double> samples) {
  return percentile(std::move(samples), 50.0);
}

// Sees every event delivered in the main thread: counts them, and notes which windows were shown
// and which widgets painted, so a measurement can prove the screen was really redrawn.
class EventCounter : public QObject {
 public:
  EventCounter();
  ~EventCounter() override;

  quint64 events() const { return events_; }
  quint64 paints() const { return paints_; }
  // Windows shown and widgets painted since the last reset().
  const QSet<QWidget*>& shownWindows() const { return shown_; }
  // Whether `widget` or one of its children painted since the last reset().
  bool paintedIn(const QWidget* widget) const;
  void reset();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  quint64 events_ = 0;
  quint64 paints_ = 0;
  QSet<QWidget*> shown_;
  QSet<QWidget*> painted_;
};

// Delivers posted events, window-system events (exposure) and the repaints they cause until one
// round delivers nothing at all: the state a person sees once the screen has settled.
// Returns the number of rounds (capped, so a never-idle loop cannot hang the benchmark).
int settle(const EventCounter& counter);

// Runs `then` once, after the first paint of `window` and its children has finished (queued
// behind the paint, so the whole window has been drawn and flushed when it runs).
void afterFirstPaint(QWidget* window, std::function<void()> then);

// Drops the offscreen platform's note that it keeps no size hints, which it prints for every
// window with a layout: it says nothing of the program, and the runner shows a probe's stderr.
void quietOffscreenNotes();

// Prints "key=value" pairs on one line of standard output: a probe's report to the runner.
void report(std::initializer_list<std::pair<const char*, qint64>> values);

// Ends a probe at once: what it measured has been reported, and tearing the windows down would
// only slow the runner's next round.
[[noreturn]] void quickExit();

}  // namespace kairo::bench
