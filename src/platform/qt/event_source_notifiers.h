// The layer's event sources (the desktop's message buses) watched by the
// toolkit's own event loop: a notifier for reading and, while output waits,
// one for writing on each source's socket, and a timer for the nearest call
// timeout. A source does its work when its socket wakes the loop.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <map>
#include <memory>

namespace platform::qt {

class EventSourceNotifiers {
 public:
  EventSourceNotifiers();
  ~EventSourceNotifiers();
  EventSourceNotifiers(const EventSourceNotifiers&) = delete;
  EventSourceNotifiers& operator=(const EventSourceNotifiers&) = delete;

  // Brings the notifiers in line with the sources as they are now; called
  // before each wait.
  void Follow();

 private:
  struct Watch {
    std::unique_ptr<QSocketNotifier> read;
    std::unique_ptr<QSocketNotifier> write;
  };
  void Work();

  QObject context_;
  QTimer timeout_;
  std::map<int, Watch> watches_;
};

}  // namespace platform::qt
