#include "platform/qt/program_turn.h"

#include <vector>

namespace platform::qt {

namespace {

std::vector<std::function<void()>>& Queue() {
  static std::vector<std::function<void()>> queue;
  return queue;
}

}  // namespace

void WhenProgramWaits(std::function<void()> work) { Queue().push_back(std::move(work)); }

void RunProgramWaitWork() {
  std::vector<std::function<void()>> due;
  due.swap(Queue());
  for (auto& work : due) work();
}

}  // namespace platform::qt
