// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends the program: the window goes and the process ends with the code.
class ProgramExit
{
public:
    virtual ~ProgramExit() = default;

    virtual void endProgram(int exitCode) = 0;
};
