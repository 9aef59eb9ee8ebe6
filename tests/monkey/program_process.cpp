#include "tests/monkey/program_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tessel::testing {

ProgramProcess::ProgramProcess() {
  char path[] = "/tmp/tessel-monkey-output-XXXXXX";
  const int fd = mkstemp(path);
  if (fd >= 0) close(fd);
  output_path_ = path;
}

ProgramProcess::~ProgramProcess() {
  Stop();
  unlink(output_path_.c_str());
}

bool ProgramProcess::Start(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  argv.reserve(command.size() + 1);
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  pid_ = fork();
  if (pid_ < 0) return false;
  if (pid_ == 0) {
    const int out = open(output_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  exit_status_ = 0;
  return true;
}

bool ProgramProcess::Running() {
  if (pid_ <= 0) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == 0) return true;
  exit_status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  pid_ = -1;
  return false;
}

void ProgramProcess::Stop() {
  if (!Running()) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

std::string ProgramProcess::Output() const {
  std::ifstream in(output_path_);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string ProgramProcess::SanitizerReport() const {
  std::istringstream lines(Output());
  for (std::string line; std::getline(lines, line);) {
    if (line.find("ERROR: AddressSanitizer") != std::string::npos ||
        line.find("ERROR: LeakSanitizer") != std::string::npos ||
        line.find("runtime error:") != std::string::npos) {
      return "sanitizer: " + line;
    }
  }
  return {};
}

}  // namespace tessel::testing
