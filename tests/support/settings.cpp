// How a desk starts.
#include "support/desk.h"

namespace desk {

Settings Settings::ForProgram(EntryPoint entry, const ResourceModule* resources, std::function<void()> reset) {
  Settings settings{NoProgram{}};
  settings.entry_ = entry;
  settings.resources_ = resources;
  settings.reset_ = std::move(reset);
  return settings;
}

Settings& Settings::at(const char* localTime) {
  startLocal_ = localTime;
  startIsUtc_ = false;
  return *this;
}

Settings& Settings::atUtc(const char* utcTime) {
  startLocal_ = utcTime;
  startIsUtc_ = true;
  return *this;
}

Settings& Settings::timeZone(const char* tz) {
  timeZone_ = tz;
  return *this;
}

Settings& Settings::screen(int width, int height) {
  metrics_.screenWidth = width;
  metrics_.screenHeight = height;
  return *this;
}

Settings& Settings::font(int averageWidth, int height) {
  metrics_.fontAverageWidth = averageWidth;
  metrics_.fontHeight = height;
  metrics_.fontAscent = height - height / 5;
  metrics_.fontMaxWidth = averageWidth * 2;
  return *this;
}

Settings& Settings::captionHeight(int pixels) {
  metrics_.captionHeight = pixels;
  return *this;
}

Settings& Settings::settingsFolder(std::string path) {
  settingsFolder_ = std::move(path);
  return *this;
}

Settings& Settings::settingsFile(std::string name, std::string contents) {
  files_.emplace_back(std::move(name), std::move(contents));
  return *this;
}

Settings& Settings::alreadyRunning(bool yes) {
  alreadyRunning_ = yes;
  return *this;
}

Settings& Settings::commandLine(std::string text) {
  commandLine_ = std::move(text);
  return *this;
}

Settings& Settings::showCommand(int command) {
  showCommand_ = command;
  return *this;
}

Settings& Settings::mainWindowClass(std::string name) {
  mainClass_ = std::move(name);
  return *this;
}

Settings& Settings::trace(bool on) {
  trace_ = on;
  return *this;
}

Settings& Settings::stepTimeoutSeconds(int seconds) {
  stepTimeoutSeconds_ = seconds;
  return *this;
}

}  // namespace desk
