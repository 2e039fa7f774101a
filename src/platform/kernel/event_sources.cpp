#include "platform/kernel/event_sources.h"

#include <algorithm>

namespace platform {

namespace {

std::vector<EventSource*>& Sources() {
  static std::vector<EventSource*> sources;
  return sources;
}

int Shorter(int a, int b) {
  if (a < 0) return b;
  if (b < 0) return a;
  return std::min(a, b);
}

}  // namespace

void WatchEventSource(EventSource* source) {
  auto& sources = Sources();
  if (std::find(sources.begin(), sources.end(), source) == sources.end()) sources.push_back(source);
}

void UnwatchEventSource(EventSource* source) { std::erase(Sources(), source); }

const std::vector<EventSource*>& WatchedEventSources() { return Sources(); }

int PollWithEventSources(std::vector<pollfd>& own, int timeoutMs) {
  // A source may close or open while it works, so the list is copied first.
  const std::vector<EventSource*> sources = Sources();
  std::vector<pollfd> all = own;
  for (EventSource* source : sources) {
    all.push_back(pollfd{source->Fd(), source->Events(), 0});
    timeoutMs = Shorter(timeoutMs, source->TimeoutMs());
  }
  const int result = ::poll(all.data(), all.size(), timeoutMs);
  for (std::size_t i = 0; i < own.size(); ++i) own[i].revents = all[i].revents;
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const bool ready = result > 0 && all[own.size() + i].revents != 0;
    if (!ready && sources[i]->TimeoutMs() != 0) continue;
    // Still watched: an earlier source's work may have closed this one.
    const auto& now = Sources();
    if (std::find(now.begin(), now.end(), sources[i]) != now.end()) sources[i]->Process();
  }
  return result;
}

void ProcessEventSources() {
  const std::vector<EventSource*> sources = Sources();
  for (EventSource* source : sources) {
    const auto& now = Sources();
    if (std::find(now.begin(), now.end(), source) != now.end()) source->Process();
  }
}

}  // namespace platform
