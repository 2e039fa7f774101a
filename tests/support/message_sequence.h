// One checker for the messages a window procedure received: a table of
// expected entries, each with flags for what of it is compared, against the
// trace. A mismatch prints both sequences numbered, with message names.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "support/desk.h"

namespace desk {

enum SequenceFlags : unsigned {
  kMessageOnly = 0,
  kCompareWParam = 1,
  kCompareLParam = 2,
  kCompareParams = kCompareWParam | kCompareLParam,
  kOptional = 4,  // may be missing from the trace
};

struct ExpectedMessage {
  UINT message;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  unsigned flags = kCompareWParam;
};

// Success when the trace is the expected sequence: every entry that is not
// optional, in order, and nothing else.
::testing::AssertionResult MatchesSequence(const std::vector<TraceEntry>& trace,
                                           std::initializer_list<ExpectedMessage> expected);

}  // namespace desk
