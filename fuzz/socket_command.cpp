// Fuzzes the command socket's reader with real connections. The input is what
// up to four clients send, split at each 0xFF byte; each client then closes
// its side. The running copy takes at most one command per client, the first
// line it sent when that line is short enough, and never stalls on them.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_settings.h"
#include "platform/session/settings_folder.h"
#include "platform/session/single_instance.h"

namespace {

constexpr std::size_t kLongestCommand = 64;

int Connect(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) std::abort();
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) std::abort();
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) std::abort();
  return fd;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = [] {
    platform::SetSettingsFolder(FuzzFolder().c_str());
    FUZZ_CHECK(platform::AcquireSingleInstance() == platform::InstanceStart::Alone);
    FUZZ_CHECK(platform::SingleInstanceSocketFd() >= 0);
    return true;
  }();
  (void)ready;

  std::vector<std::string> sent(1);
  for (std::size_t k = 0; k < size && sent.size() <= 4; ++k) {
    if (data[k] == 0xFF) {
      sent.emplace_back();
    } else {
      sent.back() += static_cast<char>(data[k]);
    }
  }
  if (sent.size() > 4) sent.resize(4);

  std::vector<int> clients;
  for (const std::string& text : sent) {
    const int fd = Connect(platform::InstanceSocketPath());
    // Short texts fit the socket's buffer, so the send never waits.
    if (!text.empty() && ::send(fd, text.data(), text.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(text.size())) {
      std::abort();
    }
    ::shutdown(fd, SHUT_WR);
    clients.push_back(fd);
  }

  std::vector<std::string> commands;
  for (int turn = 0; turn < 8; ++turn) {
    platform::PollInstanceCommands([&](const std::string& command) { commands.push_back(command); });
  }
  FUZZ_CHECK(commands.size() <= sent.size());
  for (const std::string& command : commands) {
    FUZZ_CHECK(command.size() <= kLongestCommand);
    FUZZ_CHECK(command.find('\n') == std::string::npos);
    bool fromAClient = false;
    for (const std::string& text : sent) fromAClient = fromAClient || text.rfind(command + "\n", 0) == 0;
    FUZZ_CHECK(fromAClient);
  }
  for (int fd : clients) ::close(fd);
  return 0;
}
