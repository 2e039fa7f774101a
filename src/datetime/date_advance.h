// The date advance at midnight.
#pragma once

int AdvanceDateAtMidnight();
void ResetDateAdvanceState();
