// ProgramExit: how the windows end the program.
#pragma once

class ProgramExit {
public:
    virtual ~ProgramExit() = default;

    // Ends the program at once: no question, nothing saved, no further game events.
    virtual void EndProgram() = 0;
};
