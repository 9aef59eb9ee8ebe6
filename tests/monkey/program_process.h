#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace tessel::testing {

// The program under test as a process of its own, its output gathered in a file.
class ProgramProcess {
 public:
  ProgramProcess();
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  bool Start(const std::vector<std::string>& command);
  bool Running();                                   // reaps the process once it has ended
  int exit_status() const { return exit_status_; }  // 128 + n after signal n
  void Stop();                                      // SIGKILL, for a run that failed
  std::string Output() const;  // what it wrote on stdout and stderr, this start
  // The first line of a report of AddressSanitizer, LeakSanitizer or UndefinedBehaviorSanitizer
  // in the output; empty when there is none.
  std::string SanitizerReport() const;

 private:
  pid_t pid_ = -1;
  int exit_status_ = 0;
  std::string output_path_;
};

}  // namespace tessel::testing
