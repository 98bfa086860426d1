#pragma once

#include "registerwindows.h"
#include "testprogram.h"

#include <QStringList>

// A fresh program with every real window, started as the trainer starts (the
// frame shown maximized); the name box answers with the given names.
inline std::unique_ptr<TestProgram> wholeProgram(const QStringList &answers = {})
{
    auto test = std::make_unique<TestProgram>();
    test->dialogs->answers = answers;
    registerWindows(*test->program);
    test->program->start();
    return test;
}
