// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "../temporary_folder.h"

#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <initializer_list>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace korvanex {

// Lines of a case file by their number (from 1), and the text each is replaced with.
using CaseLines = std::vector<std::pair<std::size_t, std::string>>;

// Whether each part occurs in the text; the first missing part and the text when not.
inline ::testing::AssertionResult hasParts(const std::string& text,
                                           std::initializer_list<std::string> parts) {
    for (const std::string& part : parts) {
        if (text.find(part) == std::string::npos) {
            return ::testing::AssertionFailure() << "no \"" << part << "\" in\n" << text;
        }
    }
    return ::testing::AssertionSuccess();
}

struct ToolRun {
    int status = -1; // the exit status, or minus the signal that ended the tool
    std::string out;
    std::string err;
};

// korvanex-cli run as a user runs it, with arguments separated by single blanks, in a folder of the
// test's own.
class CliTest : public TemporaryFolderTest {
  protected:
    // Starts the tool with standard output on the descriptor given (closed when -1), standard input on
    // `in` where it is given, standard error in a file, and the file-size limit given (ulimit -f, in
    // bytes), every signal at its default action.
    pid_t start(const std::string& commandLine, int out, int in = -1,
                rlim_t fileSizeLimit = RLIM_INFINITY) const {
        std::vector<std::string> arguments;
        std::istringstream words(commandLine);
        for (std::string word; std::getline(words, word, ' ');) {
            arguments.push_back(word);
        }
        const pid_t child = ::fork();
        if (child == 0) {
            std::vector<char*> argv{const_cast<char*>(KORVANEX_CLI)};
            for (std::string& argument : arguments) {
                argv.push_back(argument.data());
            }
            argv.push_back(nullptr);
            ::dup2(::open((folder / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644),
                   STDERR_FILENO);
            out < 0 ? ::close(STDOUT_FILENO) : ::dup2(out, STDOUT_FILENO);
            if (in >= 0) {
                ::dup2(in, STDIN_FILENO);
            }
            const struct rlimit limit = {fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            for (const int signal : {SIGPIPE, SIGXFSZ, SIGHUP, SIGQUIT, SIGUSR1, SIGALRM}) {
                std::signal(signal, SIG_DFL);
            }
            ::execv(KORVANEX_CLI, argv.data());
            ::_exit(127);
        }
        return child;
    }

    ToolRun finish(pid_t child) const {
        int status = 0;
        ::waitpid(child, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status), "",
                contentsOf(folder / "stderr")};
    }

    ToolRun run(const std::string& commandLine, int in = -1) const {
        const int out = ::open((folder / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        ToolRun result = finish(start(commandLine, out, in));
        ::close(out);
        result.out = contentsOf(folder / "stdout");
        return result;
    }

    // A file of the test's folder with the given text; returns its path.
    std::string file(const std::string& name, const std::string& text) const {
        std::ofstream(folder / name, std::ios::binary) << text;
        return (folder / name).string();
    }

    // The example case file with some of its lines replaced (counted from 1).
    std::string caseFile(const std::string& name, const CaseLines& replaced) const {
        std::istringstream example(contentsOf(KORVANEX_TEST_DATA "/cases/example.DEF"));
        std::string text;
        std::size_t number = 0;
        for (std::string line; std::getline(example, line);) {
            ++number;
            for (const auto& [at, replacement] : replaced) {
                line = at == number ? replacement + "\r" : line;
            }
            text += line + "\n";
        }
        return file(name, text);
    }
};

} // namespace korvanex
