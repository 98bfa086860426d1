#include "testprogram.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

TestProgram::TestProgram() : TestProgram(false) {}

std::unique_ptr<TestProgram> TestProgram::withRealDialogs()
{
    return std::unique_ptr<TestProgram>(new TestProgram(true));
}

TestProgram::TestProgram(bool realDialogs)
{
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

void closeModalBoxAfter(int milliseconds)
{
    QTimer::singleShot(milliseconds, qApp, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            if (auto *dialog = qobject_cast<QDialog *>(box))
                dialog->done(QDialog::Accepted);
    });
}
