#include "platform/qt/event_source_notifiers.h"

#include <set>

#include "platform/kernel/event_sources.h"

namespace platform::qt {

EventSourceNotifiers::EventSourceNotifiers() {
  timeout_.setSingleShot(true);
  QObject::connect(&timeout_, &QTimer::timeout, &context_, [this] { Work(); });
}

EventSourceNotifiers::~EventSourceNotifiers() = default;

void EventSourceNotifiers::Work() {
  ProcessEventSources();
  Follow();
}

void EventSourceNotifiers::Follow() {
  std::set<int> wanted;
  int timeoutMs = -1;
  for (EventSource* source : WatchedEventSources()) {
    const int fd = source->Fd();
    const int sourceTimeoutMs = source->TimeoutMs();
    if (sourceTimeoutMs >= 0 && (timeoutMs < 0 || sourceTimeoutMs < timeoutMs)) timeoutMs = sourceTimeoutMs;
    if (fd < 0) continue;
    wanted.insert(fd);
    Watch& watch = watches_[fd];
    if (!watch.read) {
      watch.read = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
      QObject::connect(watch.read.get(), &QSocketNotifier::activated, &context_, [this] { Work(); });
      watch.write = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
      QObject::connect(watch.write.get(), &QSocketNotifier::activated, &context_, [this] { Work(); });
    }
    watch.write->setEnabled((source->Events() & POLLOUT) != 0);
  }
  for (auto it = watches_.begin(); it != watches_.end();) {
    if (wanted.count(it->first) != 0) {
      ++it;
      continue;
    }
    // A connection may close while its own notifier is calling: the
    // notifiers go once the toolkit is done with them.
    for (auto* notifier : {it->second.read.release(), it->second.write.release()}) {
      notifier->setEnabled(false);
      notifier->deleteLater();
    }
    it = watches_.erase(it);
  }
  if (timeoutMs >= 0) {
    timeout_.start(timeoutMs);
  } else {
    timeout_.stop();
  }
}

}  // namespace platform::qt
