// The three standard descriptors, made safe before the clock opens anything.
#pragma once

namespace cli {

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed. A
// program started with one of them closed would otherwise hand that number
// to the next file it opens: the lock file or the command socket would then
// be taken for standard output or error, and the faces written into it.
// Call it first, before anything else opens a descriptor.
void OpenClosedStandardDescriptors();

}  // namespace cli
