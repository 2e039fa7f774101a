#include "support/message_sequence.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

namespace desk {
namespace {

bool Matches(const ExpectedMessage& expected, const TraceEntry& entry) {
  if (expected.message != entry.message) return false;
  if ((expected.flags & kCompareWParam) != 0 && expected.wParam != entry.wParam) return false;
  if ((expected.flags & kCompareLParam) != 0 && expected.lParam != entry.lParam) return false;
  return true;
}

std::string Describe(const ExpectedMessage& expected) {
  std::string text = MessageName(expected.message);
  char number[40];
  if ((expected.flags & kCompareWParam) != 0) {
    std::snprintf(number, sizeof number, " w=0x%jx", static_cast<std::uintmax_t>(expected.wParam));
    text += number;
  }
  if ((expected.flags & kCompareLParam) != 0) {
    std::snprintf(number, sizeof number, " l=0x%jx", static_cast<std::uintmax_t>(expected.lParam));
    text += number;
  }
  if ((expected.flags & kOptional) != 0) text += " (optional)";
  return text;
}

std::string Describe(const TraceEntry& entry) {
  char number[64];
  std::snprintf(number, sizeof number, " w=0x%jx l=0x%jx", static_cast<std::uintmax_t>(entry.wParam),
                static_cast<std::uintmax_t>(static_cast<std::uintptr_t>(entry.lParam)));
  return MessageName(entry.message) + number;
}

std::string Listing(const std::vector<ExpectedMessage>& expected, const std::vector<TraceEntry>& trace) {
  std::ostringstream out;
  out << " #  expected                                  actual\n";
  const std::size_t rows = std::max(expected.size(), trace.size());
  for (std::size_t i = 0; i < rows; ++i) {
    std::string left = i < expected.size() ? Describe(expected[i]) : "";
    left.resize(std::max<std::size_t>(left.size(), 40), ' ');
    char index[24];
    std::snprintf(index, sizeof index, "%2zu", i + 1);
    out << index << "  " << left << "  " << (i < trace.size() ? Describe(trace[i]) : "") << "\n";
  }
  return out.str();
}

}  // namespace

::testing::AssertionResult MatchesSequence(const std::vector<TraceEntry>& trace,
                                           std::initializer_list<ExpectedMessage> expectedList) {
  const std::vector<ExpectedMessage> expected(expectedList);
  std::size_t e = 0;
  std::size_t t = 0;
  while (e < expected.size() || t < trace.size()) {
    if (e < expected.size() && t < trace.size() && Matches(expected[e], trace[t])) {
      ++e;
      ++t;
    } else if (e < expected.size() && (expected[e].flags & kOptional) != 0) {
      ++e;
    } else {
      return ::testing::AssertionFailure()
             << "the messages differ at expected entry " << e + 1 << ", trace entry " << t + 1 << ":\n"
             << Listing(expected, trace);
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace desk
