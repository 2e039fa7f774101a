// The configuration file's image: the preferences record and the ten alarm
// records, byte for byte, little-endian, with no header of its own.
#pragma once

#include <cstddef>

#include "settings/alarm_record.h"
#include "settings/preferences.h"

inline constexpr std::size_t kConfigFileBytes = sizeof(Preferences) + kAlarmCount * sizeof(AlarmRecord);
static_assert(kConfigFileBytes == 3644);

void ComposeConfigImage(const Preferences& p, const AlarmRecord* table, unsigned char* image);
void SplitConfigImage(const unsigned char* image, Preferences& p, AlarmRecord* table);

// What loading does to a record read from a file: the old date modes 310 and
// 311 become 601 and 600; an enumerated field outside its set takes its
// default; the texts end in a zero within their width. 0/1 flags are left as
// they are.
void RepairConfiguration(Preferences& p, AlarmRecord* table);

// The AM/PM spelling read from the profile: 148 or 149, anything else 148.
std::int16_t RepairPmStyle(std::int32_t value);
