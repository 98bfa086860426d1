#include "testprogram.h"

#include "design.h"

#include <QApplication>
#include <utility>

TestProgram::TestProgram() : TestProgram(false) {}

std::unique_ptr<TestProgram> TestProgram::withRealDialogs()
{
    return std::unique_ptr<TestProgram>(new TestProgram(true));
}

TestProgram::TestProgram(bool realDialogs)
{
    // The fonts the design names map to their stand-ins as at the program's
    // start, not only where the system's font configuration knows them.
    installFontSubstitutes();
    Services services;
    auto fixedClock = std::make_unique<FixedClock>();
    auto scripted = std::make_unique<ScriptedRandom>();
    auto recordingEnd = std::make_unique<RecordingEnd>();
    clock = fixedClock.get();
    random = scripted.get();
    end = recordingEnd.get();
    services.clock = std::move(fixedClock);
    services.random = std::move(scripted);
    services.end = std::move(recordingEnd);
    if (realDialogs) {
        services.dialogs = std::move(desktopServices().dialogs);
    } else {
        auto recording = std::make_unique<RecordingDialogs>();
        dialogs = recording.get();
        services.dialogs = std::move(recording);
    }
    program = std::make_unique<Program>(std::move(services));
}

BoxAnswerer::BoxAnswerer(int answerAfterMs)
{
    QObject::connect(&m_watch, &QTimer::timeout, [this, answerAfterMs] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (box != m_box) {
            m_box = box;
            ++m_boxes;
            m_openFor.start();
        }
        if (m_look && m_openFor.elapsed() >= m_lookAfterMs)
            std::exchange(m_look, nullptr)();
        if (m_openFor.elapsed() >= answerAfterMs)
            box->done(QDialog::Accepted);
    });
    m_watch.start(10);
}

void BoxAnswerer::lookWhileOpen(int afterMs, std::function<void()> look)
{
    m_lookAfterMs = afterMs;
    m_look = std::move(look);
}
