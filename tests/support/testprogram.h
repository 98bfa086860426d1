#pragma once

#include "fakeservices.h"
#include "program.h"

#include <memory>

// A fresh program with fake services for one test case. The fakes stay
// reachable through the pointers; the program owns them.
struct TestProgram
{
    TestProgram();
    // The same, with Qt's real message and input boxes.
    static std::unique_ptr<TestProgram> withRealDialogs();

    FixedClock *clock = nullptr;
    ScriptedRandom *random = nullptr;
    RecordingDialogs *dialogs = nullptr; // null when the boxes are real
    RecordingEnd *end = nullptr;
    std::unique_ptr<Program> program;

private:
    explicit TestProgram(bool realDialogs);
};

// Closes the modal box that is open after the given delay (Qt's real boxes).
void closeModalBoxAfter(int milliseconds);
