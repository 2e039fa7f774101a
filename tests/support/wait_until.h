// Waiting for something another process, thread or event loop brings about:
// the condition is looked at again and again until it holds. The guard only
// keeps a broken run from hanging; it says nothing of how long the thing
// may take, and a test never asserts on how long it took.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

inline constexpr std::chrono::milliseconds kWaitGuard{10'000};

// Between looks, between() runs: the work that may bring the condition about
// (serving a socket, a round of events), which waits on something of its own.
// true once the condition holds; false when the guard ran out first.
inline bool WaitUntil(const std::function<bool()>& condition, const std::function<void()>& between,
                      std::chrono::milliseconds guard = kWaitGuard) {
  const auto until = std::chrono::steady_clock::now() + guard;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= until) return condition();
    between();
  }
  return true;
}

// Without work of the test's own to run between looks, a short pause.
inline bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds guard = kWaitGuard) {
  return WaitUntil(condition, [] { std::this_thread::sleep_for(std::chrono::milliseconds(2)); }, guard);
}
