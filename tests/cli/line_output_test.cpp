// The terminal clock's writer on a real pipe of one page that nobody reads
// until the test says so.
#include "cli/line_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace {

class SlowPipe : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(::pipe2(ends_, O_CLOEXEC), 0);
    ASSERT_GT(::fcntl(ends_[1], F_SETPIPE_SZ, 4096), 0);
  }
  void TearDown() override {
    if (ends_[0] >= 0) ::close(ends_[0]);
    ::close(ends_[1]);
  }
  // Reads what the pipe holds, letting the writer go on, until it is idle.
  std::string ReadAll(cli::LineOutput& output) {
    std::string text;
    const int flags = ::fcntl(ends_[0], F_GETFL);
    ::fcntl(ends_[0], F_SETFL, flags | O_NONBLOCK);
    char buffer[1024];
    for (;;) {
      const ssize_t got = ::read(ends_[0], buffer, sizeof buffer);
      if (got > 0) {
        text.append(buffer, static_cast<std::size_t>(got));
        continue;
      }
      if (output.Idle()) return text;
      output.Process();
    }
  }
  int ends_[2] = {-1, -1};
};

// A face longer than the pipe is finished before anything else; the face
// after it, never begun, gives way to a newer one; the note between stays.
TEST_F(SlowPipe, APartLineIsFinishedANewerFaceReplacesThePendingOneAndNotesStay) {
  cli::LineOutput output(ends_[1]);
  const std::string longFace(6000, 'a');
  output.PutFace(longFace);
  output.PutFace("second face");
  output.PutLine("a note");
  output.PutFace("third face");
  EXPECT_FALSE(output.Idle());
  EXPECT_EQ(::fcntl(ends_[1], F_GETFL) & O_NONBLOCK, 0) << "the descriptor's own flags are left alone";
  EXPECT_EQ(ReadAll(output), longFace + "\na note\nthird face\n");
}

TEST_F(SlowPipe, AReaderThatGoesIsNoticedOnceAndWhatFollowsIsDropped) {
  cli::LineOutput output(ends_[1]);
  int told = 0;
  output.OnLost([&] { ++told; });
  output.PutLine("read");
  ::close(ends_[0]);
  ends_[0] = -1;
  output.Process();  // nothing waits: the pipe's error says the reader went
  EXPECT_TRUE(output.Lost());
  output.PutLine("never read");
  EXPECT_TRUE(output.Idle());
  EXPECT_EQ(told, 1);
}

}  // namespace
