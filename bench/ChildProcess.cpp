#include "bench/ChildProcess.h"

#include <sys/wait.h>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace Bench
{
    double runProgram(const std::vector<std::string>& args, std::string* output)
    {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0)
            return -1;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (output)
            posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        else
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);

        const auto start = Clock::now();
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeFds[1]);
        if (spawned != 0)
        {
            ::close(pipeFds[0]);
            return -1;
        }
        char buf[256];
        ssize_t got = 0;
        while ((got = ::read(pipeFds[0], buf, sizeof buf)) > 0)
            if (output)
                output->append(buf, static_cast<std::size_t>(got));
        ::close(pipeFds[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        const double ms = msSince(start);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
    }

    double medianWallMs(const std::vector<std::string>& args)
    {
        std::vector<double> times;
        for (int i = 0; i < 7; ++i)
            times.push_back(runProgram(args));
        return median(times);
    }
}
