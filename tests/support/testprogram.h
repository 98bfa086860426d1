#pragma once

#include "fakeservices.h"
#include "mdiform1.h"
#include "placeholderwindow.h"
#include "program.h"
#include "window.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
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

enum class Boxes { Recorded, Real };

// A fresh program with the real windows of the given classes, placeholders for
// every other window, and the frame loaded but not shown.
template<class... Windows> std::unique_ptr<TestProgram> programWith(Boxes boxes = Boxes::Recorded)
{
    auto test =
        boxes == Boxes::Real ? TestProgram::withRealDialogs() : std::make_unique<TestProgram>();
    (test->program->registerWindow(Windows::Name,
                                   [](Program &p) { return std::make_unique<Windows>(p); }),
     ...);
    registerPlaceholders(*test->program);
    test->program->mainWindow().Load();
    return test;
}

// The control of the loaded window with the given design name; a test that asks
// for a control the window does not have stops there.
template<class T = QWidget> T *control(const Window &window, const QString &name)
{
    QMdiSubWindow *subWindow = window.subWindow();
    T *found = subWindow ? subWindow->findChild<T *>(name) : nullptr;
    if (!found)
        qFatal("The window has no control %s", qPrintable(name));
    return found;
}

// Watches Qt's real modal boxes for as long as it lives: counts every box that
// opens and answers each with OK once it has been open for the given time.
class BoxAnswerer
{
public:
    explicit BoxAnswerer(int answerAfterMs);

    // Runs the look once, the given time after the first box opened, while it is open.
    void lookWhileOpen(int afterMs, std::function<void()> look);
    int boxes() const { return m_boxes; }

private:
    QTimer m_watch;
    QPointer<QDialog> m_box;
    QElapsedTimer m_openFor;
    int m_boxes = 0;
    int m_lookAfterMs = 0;
    std::function<void()> m_look;
};
