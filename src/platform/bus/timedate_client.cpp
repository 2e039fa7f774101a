#include "platform/bus/timedate_client.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace platform::bus {

namespace {

constexpr char kService[] = "org.freedesktop.timedate1";
constexpr char kObject[] = "/org/freedesktop/timedate1";
// A person may take a while to type a password; the bus's usual 25 seconds
// would give up on them.
constexpr std::uint64_t kInteractiveTimeoutUs = 120'000'000;

struct Call {
  ClockServiceDone done;
  bool readsValue;
};

bool Named(const char* name, const char* wanted) { return name != nullptr && std::strcmp(name, wanted) == 0; }

int OnReply(sd_bus_message* reply, void* userdata, sd_bus_error*) {
  Call* call = static_cast<Call*>(userdata);
  ClockServiceAnswer answer;
  if (const sd_bus_error* error = sd_bus_message_get_error(reply)) {
    answer = AnswerForError(error->name, error->message);
  } else if (call->readsValue) {
    int on = 0;
    if (sd_bus_message_read(reply, "v", "b", &on) < 0) {
      answer = ClockServiceAnswer{ERROR_GEN_FAILURE, "The time and date service gave an answer the clock cannot read.", false};
    }
    answer.value = on != 0;
  }
  // Answered once only: the slot's end must not answer again.
  ClockServiceDone done = std::move(call->done);
  call->done = nullptr;
  if (done) done(answer);
  return 0;
}

// A call whose slot ends unanswered (the connection closed under it) still
// gets its answer.
void ForgetCall(void* userdata) {
  Call* call = static_cast<Call*>(userdata);
  if (call->done) call->done(ClockServiceAnswer{ERROR_GEN_FAILURE, "The connection to the system bus was lost.", false});
  delete call;
}

}  // namespace

ClockServiceAnswer AnswerForError(const char* name, const char* message) {
  if (Named(name, SD_BUS_ERROR_SERVICE_UNKNOWN) || Named(name, SD_BUS_ERROR_NAME_HAS_NO_OWNER) ||
      Named(name, SD_BUS_ERROR_UNKNOWN_OBJECT) || Named(name, SD_BUS_ERROR_UNKNOWN_METHOD)) {
    return {ERROR_NOT_SUPPORTED, "This system has no service that sets the clock.", false};
  }
  if (Named(name, SD_BUS_ERROR_ACCESS_DENIED) || Named(name, SD_BUS_ERROR_INTERACTIVE_AUTHORIZATION_REQUIRED) ||
      Named(name, "org.freedesktop.PolicyKit1.Error.NotAuthorized")) {
    return {ERROR_ACCESS_DENIED, "You are not allowed to set the clock: the authorisation was refused.", false};
  }
  if (Named(name, "org.freedesktop.PolicyKit1.Error.Cancelled")) {
    return {ERROR_CANCELLED, "The authorisation was cancelled.", false};
  }
  if (Named(name, SD_BUS_ERROR_NO_REPLY) || Named(name, SD_BUS_ERROR_TIMEOUT)) {
    return {ERROR_TIMEOUT, "The time and date service did not answer in time.", false};
  }
  if (Named(name, "org.freedesktop.timedate1.AutomaticTimeSyncEnabled")) {
    return {ERROR_GEN_FAILURE, "The time is still set automatically from the network.", false};
  }
  std::string reason = "The time and date service refused";
  if (message != nullptr && message[0] != '\0') {
    reason += ": ";
    reason += message;
  }
  if (reason.back() != '.') reason += '.';
  return {ERROR_GEN_FAILURE, reason, false};
}

TimedateClient::~TimedateClient() = default;

sd_bus_message* TimedateClient::NewCall(const char* interface, const char* member, const ClockServiceDone& done) {
  if (connection_ == nullptr || !connection_->Connected()) connection_ = BusConnection::Open(BusKind::System);
  sd_bus_message* call = nullptr;
  if (connection_ == nullptr || sd_bus_message_new_method_call(connection_->Bus(), &call, kService, kObject, interface, member) < 0) {
    done(ClockServiceAnswer{ERROR_NOT_SUPPORTED, "There is no system bus to reach the time and date service.", false});
    return nullptr;
  }
  return call;
}

void TimedateClient::Send(sd_bus_message* call, bool interactive, ClockServiceDone done, bool readsValue) {
  sd_bus_message_set_allow_interactive_authorization(call, interactive ? 1 : 0);
  auto* pending = new Call{std::move(done), readsValue};
  sd_bus_slot* slot = nullptr;
  const int sent = sd_bus_call_async(connection_->Bus(), &slot, call, OnReply, pending,
                                     interactive ? kInteractiveTimeoutUs : 0);
  sd_bus_message_unref(call);
  if (sent < 0) {
    ClockServiceDone failed = std::move(pending->done);
    delete pending;
    failed(ClockServiceAnswer{ERROR_GEN_FAILURE, "The request could not be sent on the system bus.", false});
    return;
  }
  sd_bus_slot_set_destroy_callback(slot, ForgetCall);
  // Floating, the bus holds the slot; this hand lets go of it.
  sd_bus_slot_set_floating(slot, 1);
  sd_bus_slot_unref(slot);
}

void TimedateClient::ReadNetworkTime(ClockServiceDone done) {
  sd_bus_message* call = NewCall("org.freedesktop.DBus.Properties", "Get", done);
  if (call == nullptr) return;
  sd_bus_message_append(call, "ss", kService, "NTP");
  Send(call, false, std::move(done), true);
}

void TimedateClient::SetNetworkTime(bool on, ClockServiceDone done) {
  sd_bus_message* call = NewCall(kService, "SetNTP", done);
  if (call == nullptr) return;
  sd_bus_message_append(call, "bb", on ? 1 : 0, 1);
  Send(call, true, std::move(done), false);
}

void TimedateClient::SetTime(std::int64_t utcMicroseconds, ClockServiceDone done) {
  sd_bus_message* call = NewCall(kService, "SetTime", done);
  if (call == nullptr) return;
  // Absolute (not relative to now), interactive.
  sd_bus_message_append(call, "xbb", utcMicroseconds, 0, 1);
  Send(call, true, std::move(done), false);
}

}  // namespace platform::bus
