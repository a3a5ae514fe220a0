// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <grp.h>

#include <sys/wait.h>
#include <unistd.h>

// Runs `check` as a user without root's right to remove anything, and returns
// what it returns (0 to 254). As root the check runs in a child process that
// has given root up for the user "nobody"; otherwise it runs here.
inline int runUnprivileged(const std::function<int()> &check)
{
    if (geteuid() != 0)
        return check();
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
            _exit(255);
        _exit(check());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
