#include "platform/bus/screen_saver_watch.h"

#include <cstring>
#include <string>

namespace platform::bus {

namespace {

// What a GetActive in flight needs when its answer comes.
struct Question {
  ScreenSaverWatch::Service* service;
  std::uint64_t newsWhenAsked;
};

int OnAnswer(sd_bus_message* reply, void* userdata, sd_bus_error*) {
  auto* question = static_cast<Question*>(userdata);
  ScreenSaverWatch::Service& service = *question->service;
  if (service.news != question->newsWhenAsked) return 0;
  // Whoever answered a call to the well-known name owns it; an error from
  // the bus itself (no such name) comes from a name that is not unique.
  const char* sender = sd_bus_message_get_sender(reply);
  service.owner = sender != nullptr && sender[0] == ':' ? sender : "";
  int active = 0;
  // An error (no such service, no such object) means not active.
  service.active = sd_bus_message_is_method_error(reply, nullptr) == 0 &&
                   sd_bus_message_read(reply, "b", &active) >= 0 && active != 0;
  return 0;
}

void ForgetQuestion(void* userdata) { delete static_cast<Question*>(userdata); }

// The answer's slot belongs to the bus (it is floating), and the question
// goes with the slot, also when the bus closes first.
void Ask(sd_bus* bus, ScreenSaverWatch::Service& service) {
  sd_bus_slot* slot = nullptr;
  auto* question = new Question{&service, service.news};
  if (sd_bus_call_method_async(bus, &slot, service.name, service.path, service.interface, "GetActive", OnAnswer,
                               question, "") < 0) {
    delete question;
    return;
  }
  sd_bus_slot_set_destroy_callback(slot, ForgetQuestion);
  // Floating, the bus holds the slot; this hand lets go of it.
  sd_bus_slot_set_floating(slot, 1);
  sd_bus_slot_unref(slot);
}

}  // namespace

ScreenSaverWatch::ScreenSaverWatch()
    : connection_(BusConnection::Open(BusKind::Session)),
      services_{{"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver"},
                {"org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver"}} {
  if (!Connected()) return;
  sd_bus* bus = connection_->Bus();
  connection_->OnLost([this] {
    for (Service& service : services_) service.active = false;
  });
  for (Service& service : services_) {
    // Matched by interface alone: the signal comes from the service's own
    // connection, whose unique name is not its well-known one; the handler
    // takes it only from the connection that owns the name.
    sd_bus_match_signal_async(bus, nullptr, nullptr, nullptr, service.interface, "ActiveChanged",
                              &ScreenSaverWatch::OnActiveChanged, nullptr, &service);
    const std::string ownerRule = std::string("type='signal',sender='org.freedesktop.DBus',"
                                              "interface='org.freedesktop.DBus',member='NameOwnerChanged',arg0='") +
                                  service.name + "'";
    sd_bus_add_match_async(bus, nullptr, ownerRule.c_str(), &ScreenSaverWatch::OnOwnerChanged, nullptr, &service);
    Ask(bus, service);
  }
}

ScreenSaverWatch::~ScreenSaverWatch() = default;

bool ScreenSaverWatch::Active() const {
  if (!Connected()) return false;
  return services_[0].active || services_[1].active;
}

int ScreenSaverWatch::OnActiveChanged(sd_bus_message* message, void* userdata, sd_bus_error*) {
  auto* service = static_cast<Service*>(userdata);
  const char* sender = sd_bus_message_get_sender(message);
  if (sender == nullptr || service->owner.empty() || service->owner != sender) return 0;
  int active = 0;
  if (sd_bus_message_read(message, "b", &active) < 0) return 0;
  ++service->news;
  service->active = active != 0;
  return 0;
}

int ScreenSaverWatch::OnOwnerChanged(sd_bus_message* message, void* userdata, sd_bus_error*) {
  const char* name = nullptr;
  const char* oldOwner = nullptr;
  const char* newOwner = nullptr;
  // Only the bus itself says who owns a name; a peer may send a signal of
  // that name too.
  const char* sender = sd_bus_message_get_sender(message);
  if (sender == nullptr || std::strcmp(sender, "org.freedesktop.DBus") != 0) return 0;
  if (sd_bus_message_read(message, "sss", &name, &oldOwner, &newOwner) < 0) return 0;
  // A service that went is no longer active; one that came is asked.
  auto* service = static_cast<Service*>(userdata);
  if (std::strcmp(name, service->name) != 0) return 0;
  ++service->news;
  service->active = false;
  service->owner = newOwner != nullptr ? newOwner : "";
  if (!service->owner.empty()) Ask(sd_bus_message_get_bus(message), *service);
  return 0;
}

}  // namespace platform::bus
