#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

namespace zarvane::testing {

// A child process that tells its parent through a pipe each time it passes a mark, so that a
// test kills it where it stands rather than after a guess at how fast the machine is.
class MarkingChild {
 public:
  using Mark = std::function<void()>;

  // Forks; the child runs `work`, which calls its mark where the parent may wait for it, and
  // ends when the work returns.
  explicit MarkingChild(const std::function<void(const Mark&)>& work) {
    int ends[2] = {-1, -1};
    if (::pipe(ends) != 0)
      return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ends[0]);
      const int out = ends[1];
      work([out] {
        const char mark = 'm';
        [[maybe_unused]] const auto written = ::write(out, &mark, 1);
      });
      ::_exit(0);
    }
    ::close(ends[1]);
    marks_ = ends[0];
  }
  ~MarkingChild() {
    Kill();
    if (marks_ >= 0)
      ::close(marks_);
  }
  MarkingChild(const MarkingChild&) = delete;
  MarkingChild& operator=(const MarkingChild&) = delete;

  bool Started() const { return pid_ > 0 && marks_ >= 0; }

  // Blocks until the child passes its next mark; false once it has ended without one.
  bool WaitForMark() {
    char mark = 0;
    return Started() && ::read(marks_, &mark, 1) == 1;
  }

  // Kills the child, wherever it stands, and waits for its end; true when the kill found it
  // still running.
  bool Kill() {
    if (pid_ <= 0)
      return false;
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = 0;
    return WIFSIGNALED(status);
  }

 private:
  pid_t pid_ = -1;
  int marks_ = -1;
};

// How long the child takes from one mark to the next, measured; a random moment within that
// span, a quarter longer, spreads the kills over the work whatever the machine's speed.
inline std::chrono::microseconds SpanBetweenMarks(MarkingChild& child) {
  const auto start = std::chrono::steady_clock::now();
  child.WaitForMark();
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                               start);
}

inline void WaitAMomentWithin(std::chrono::microseconds span, std::mt19937& random) {
  const auto longest = span.count() + span.count() / 4 + 1;
  std::this_thread::sleep_for(std::chrono::microseconds(random() % longest));
}

}  // namespace zarvane::testing
