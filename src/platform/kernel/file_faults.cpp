#include "platform/kernel/file_faults.h"

#include <array>

namespace platform {
namespace {

struct FaultRule {
  bool active = false;
  int successesLeft = 0;
  int failuresLeft = 0;  // 0 with active: fail every call
  DWORD error = ERROR_SUCCESS;
};

constexpr std::size_t kCallKinds = static_cast<std::size_t>(FileCall::DeleteFile) + 1;

std::array<FaultRule, kCallKinds> rules;
std::array<int, kCallKinds> counts{};

}  // namespace

void FailFileCall(FileCall call, int afterSuccesses, int times, DWORD error) {
  FaultRule& rule = rules[static_cast<std::size_t>(call)];
  rule.active = true;
  rule.successesLeft = afterSuccesses < 0 ? 0 : afterSuccesses;
  rule.failuresLeft = times < 0 ? 0 : times;
  rule.error = error;
}

void ClearFileFaults() {
  rules = {};
  counts = {};
}

int FileCallCount(FileCall call) { return counts[static_cast<std::size_t>(call)]; }

bool InjectFileFault(FileCall call) {
  const auto index = static_cast<std::size_t>(call);
  ++counts[index];
  FaultRule& rule = rules[index];
  if (!rule.active) return false;
  if (rule.successesLeft > 0) {
    --rule.successesLeft;
    return false;
  }
  if (rule.failuresLeft > 0 && --rule.failuresLeft == 0) rule.active = false;
  SetLastError(rule.error);
  return true;
}

}  // namespace platform
