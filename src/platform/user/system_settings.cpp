// The machine's settings the program reads or changes: the screen saver's
// state, the clock, automatic network time, and the words for what failed.
#include <time.h>

#include <cstring>
#include <memory>

#include "platform/user/core_state.h"
#include "platform/kernel/driver.h"
#include "platform/kernel/utf8_cut.h"

namespace platform {

namespace {

constexpr char kNoClockService[] = "No time service can be reached from here.";

// The reason the last failing call of the clock service gave, kept for
// FormatMessage.
struct KeptReason {
  DWORD error = ERROR_SUCCESS;
  std::string text;
};

KeptReason& LastReason() {
  static KeptReason reason;
  return reason;
}

BOOL Fail(DWORD error, std::string reason = {}) {
  LastReason() = KeptReason{error, std::move(reason)};
  SetLastError(error);
  return FALSE;
}

// The service answers later; meanwhile every window goes on getting its
// messages. The answer's slot is shared so that an answer arriving after a
// quit request ended the wait has somewhere to go.
ClockServiceAnswer AwaitAnswer(const std::function<void(ClockServiceDone)>& start) {
  auto answer = std::make_shared<std::optional<ClockServiceAnswer>>();
  start([answer](const ClockServiceAnswer& given) {
    *answer = given;
    PostToCore(nullptr, WM_NULL, 0, 0);  // wakes the waiting loop
  });
  if (!answer->has_value() && !RunModalLoop([&] { return answer->has_value(); }, nullptr)) {
    return ClockServiceAnswer{ERROR_CANCELLED, "The clock is ending.", false};
  }
  return **answer;
}

BOOL Finish(const ClockServiceAnswer& answer) {
  if (answer.error != ERROR_SUCCESS) return Fail(answer.error, answer.reason);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

bool SameFields(const tm& a, const tm& b) {
  return a.tm_year == b.tm_year && a.tm_mon == b.tm_mon && a.tm_mday == b.tm_mday && a.tm_hour == b.tm_hour &&
         a.tm_min == b.tm_min && a.tm_sec == b.tm_sec;
}

const char* GeneralText(DWORD error) {
  switch (error) {
    case ERROR_SUCCESS: return "The operation completed successfully.";
    case ERROR_ACCESS_DENIED: return "Access is denied.";
    case ERROR_NOT_SUPPORTED: return "This system cannot do that.";
    case ERROR_INVALID_PARAMETER: return "The value given is not valid.";
    case ERROR_CANCELLED: return "The operation was cancelled.";
    case ERROR_TIMEOUT: return "No answer came in time.";
    default: return "The operation failed.";
  }
}

}  // namespace

std::optional<std::int64_t> LocalTimeToUtcMicroseconds(const SYSTEMTIME& local) {
  if (local.wMonth < 1 || local.wMonth > 12 || local.wDay < 1 || local.wHour > 23 || local.wMinute > 59 ||
      local.wSecond > 59 || local.wMilliseconds > 999) {
    return std::nullopt;
  }
  tm wanted{};
  wanted.tm_year = local.wYear - 1900;
  wanted.tm_mon = local.wMonth - 1;
  wanted.tm_mday = local.wDay;
  wanted.tm_hour = local.wHour;
  wanted.tm_min = local.wMinute;
  wanted.tm_sec = local.wSecond;
  // The time is tried as standard time and as daylight time; each reading
  // that gives back the same fields is an instant with that local time.
  std::optional<time_t> earliest;
  for (int dst : {0, 1}) {
    tm trial = wanted;
    trial.tm_isdst = dst;
    const time_t instant = mktime(&trial);
    // The machine's clock counts from 1970; mktime's -1 is its failure.
    if (instant < 0) continue;
    tm back{};
    if (localtime_r(&instant, &back) == nullptr || !SameFields(back, wanted)) continue;
    if (!earliest || instant < *earliest) earliest = instant;
  }
  if (!earliest) return std::nullopt;
  return static_cast<std::int64_t>(*earliest) * 1'000'000 + local.wMilliseconds * 1000;
}

}  // namespace platform

BOOL SystemParametersInfo(UINT action, UINT, LPVOID value, UINT) {
  if (action != SPI_GETSCREENSAVERRUNNING || value == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *static_cast<BOOL*>(value) = platform::CurrentDriver().ScreenSaverRunning() ? TRUE : FALSE;
  return TRUE;
}

BOOL SetLocalTime(const SYSTEMTIME* time) {
  using namespace platform;
  if (time == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  const auto instant = LocalTimeToUtcMicroseconds(*time);
  if (!instant) return Fail(ERROR_INVALID_PARAMETER, "That time does not exist here.");
  SystemClockService* service = CurrentDriver().SystemClock();
  if (service == nullptr) return Fail(ERROR_NOT_SUPPORTED, kNoClockService);
  return Finish(AwaitAnswer([&](ClockServiceDone done) { service->SetTime(*instant, std::move(done)); }));
}

BOOL TzSpecificLocalTimeToSystemTime(const void* timeZone, const SYSTEMTIME* local, SYSTEMTIME* utc) {
  const auto instant = local != nullptr && timeZone == nullptr ? platform::LocalTimeToUtcMicroseconds(*local) : std::nullopt;
  if (!instant || utc == nullptr) return platform::Fail(ERROR_INVALID_PARAMETER);
  const time_t seconds = static_cast<time_t>(*instant / 1'000'000);
  tm fields{};
  gmtime_r(&seconds, &fields);
  *utc = SYSTEMTIME{static_cast<WORD>(fields.tm_year + 1900), static_cast<WORD>(fields.tm_mon + 1),
                    static_cast<WORD>(fields.tm_wday), static_cast<WORD>(fields.tm_mday),
                    static_cast<WORD>(fields.tm_hour), static_cast<WORD>(fields.tm_min),
                    static_cast<WORD>(fields.tm_sec), local->wMilliseconds};
  return TRUE;
}

BOOL GetNetworkTimeSync(BOOL* enabled) {
  using namespace platform;
  SystemClockService* service = CurrentDriver().SystemClock();
  if (service == nullptr) return Fail(ERROR_NOT_SUPPORTED, kNoClockService);
  const ClockServiceAnswer answer =
      AwaitAnswer([&](ClockServiceDone done) { service->ReadNetworkTime(std::move(done)); });
  if (answer.error == ERROR_SUCCESS && enabled != nullptr) *enabled = answer.value ? TRUE : FALSE;
  return Finish(answer);
}

BOOL SetNetworkTimeSync(BOOL enabled) {
  using namespace platform;
  SystemClockService* service = CurrentDriver().SystemClock();
  if (service == nullptr) return Fail(ERROR_NOT_SUPPORTED, kNoClockService);
  return Finish(AwaitAnswer([&](ClockServiceDone done) { service->SetNetworkTime(enabled != FALSE, std::move(done)); }));
}

DWORD FormatMessage(DWORD flags, LPCVOID, DWORD messageId, DWORD, LPSTR buffer, DWORD size, void*) {
  if ((flags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 || buffer == nullptr || size == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const platform::KeptReason& kept = platform::LastReason();
  const std::string text =
      kept.error == messageId && !kept.text.empty() ? kept.text : std::string(platform::GeneralText(messageId));
  platform::CopyTextCut(text.data(), text.size(), buffer, size);
  return static_cast<DWORD>(std::strlen(buffer));
}
