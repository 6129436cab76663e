#include "tests/support/run_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "tests/support/temp_dir.h"

namespace vorlane::testing {
namespace {

// Forks; the child takes stdin from /dev/null and its output to the given
// files, enters the folder and runs the program.
pid_t Spawn(const std::vector<std::string>& argv, const std::string& folder, const std::string& outPath,
            const std::string& errPath, const std::function<void()>& inChild) {
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child > 0) return child;
  const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int in = ::open("/dev/null", O_RDONLY);
  if (out < 0 || err < 0 || in < 0 || ::chdir(folder.c_str()) != 0) ::_exit(127);
  ::dup2(in, STDIN_FILENO);
  ::dup2(out, STDOUT_FILENO);
  ::dup2(err, STDERR_FILENO);
  if (inChild) inChild();
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  ::execv(args[0], args.data());
  ::_exit(127);
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& folder,
                         const std::function<void()>& inChild) {
  TempDir capture;
  const std::string outPath = capture / "out";
  const std::string errPath = capture / "err";
  const pid_t child = Spawn(argv, folder, outPath, errPath, inChild);
  int status = 0;
  ::waitpid(child, &status, 0);
  ProcessResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  return result;
}

pid_t StartProcess(const std::vector<std::string>& argv, const std::string& folder) {
  return Spawn(argv, folder, "/dev/null", "/dev/null", {});
}

}  // namespace vorlane::testing
