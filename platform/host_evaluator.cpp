#include "platform/host_evaluator.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr char kEvaluatorName[] = "zteval";

std::string RunningProgramDirectory() {
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<size_t>(length) >= path.size()) return {};
    path.resize(static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

class FileActions {
  public:
    FileActions() { posix_spawn_file_actions_init(&actions_); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

EvaluatorRun StartFailure(int error) {
    EvaluatorRun run;
    run.errorNumber = error;
    return run;
}

int ExitStatusOf(int waitStatus) {
    if (WIFEXITED(waitStatus)) return WEXITSTATUS(waitStatus);
    if (WIFSIGNALED(waitStatus)) return 128 + WTERMSIG(waitStatus);
    return -1;
}

} // namespace

std::string EvaluatorProgram() {
    const std::string beside = RunningProgramDirectory() + kEvaluatorName;
    if (beside.front() == '/' && access(beside.c_str(), X_OK) == 0) return beside;
    return kEvaluatorName;
}

EvaluatorRun RunProgramAndWait(const std::string& program, const std::string* input,
                               std::string* output) {
    FileActions actions;

    // The input goes through an unlinked temporary file rather than a pipe, so
    // an evaluator that stops reading early can neither block us nor raise
    // SIGPIPE.
    std::unique_ptr<std::FILE, FileCloser> inputFile;
    if (input) {
        inputFile.reset(std::tmpfile());
        if (!inputFile) return StartFailure(errno);
        if (std::fwrite(input->data(), 1, input->size(), inputFile.get()) != input->size() ||
            std::fflush(inputFile.get()) != 0)
            return StartFailure(errno);
        std::rewind(inputFile.get());
        posix_spawn_file_actions_adddup2(actions.get(), fileno(inputFile.get()), STDIN_FILENO);
    }

    int pipeEnds[2] = {-1, -1};
    if (output) {
        if (pipe2(pipeEnds, O_CLOEXEC) != 0) return StartFailure(errno);
        posix_spawn_file_actions_adddup2(actions.get(), pipeEnds[1], STDOUT_FILENO);
    }

    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t child = 0;
    const int spawnError =
        posix_spawnp(&child, program.c_str(), actions.get(), nullptr, argv, environ);
    if (output) close(pipeEnds[1]);
    if (spawnError != 0) {
        if (output) close(pipeEnds[0]);
        return StartFailure(spawnError);
    }

    if (output) {
        char buffer[4096];
        for (;;) {
            const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
            if (got > 0) {
                output->append(buffer, static_cast<size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                break;
            }
        }
        close(pipeEnds[0]);
    }

    int waitStatus = 0;
    while (waitpid(child, &waitStatus, 0) < 0) {
        if (errno != EINTR) return StartFailure(errno);
    }
    EvaluatorRun run;
    run.started = true;
    run.exitStatus = ExitStatusOf(waitStatus);
    return run;
}
