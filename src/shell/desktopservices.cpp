#include "services.h"

#include "productinfo.h"
#include "randomgenerator.h"
#include "textdisplay.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTime>

namespace {

class LocalClock : public Clock
{
public:
    float SecondsSinceMidnight() override
    {
        return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
    }
};

class QtDialogs : public Dialogs
{
public:
    void ShowMessage(const QString &prompt, MessageIcon icon) override
    {
        QMessageBox box(iconOf(icon), programTitle(), displayText(prompt), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        keepTitleReadable(box);
        box.exec();
    }

    QString AskText(const QString &prompt) override
    {
        QInputDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(programTitle());
        dialog.setLabelText(displayText(prompt));
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.okButtonText(); // lays the box out, which it otherwise does when first shown
        keepTitleReadable(dialog);
        return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    }

private:
    // A box as narrow as a short prompt would cut the title bar's text short.
    static void keepTitleReadable(QDialog &box)
    {
        const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) * 3 / 2 + 120;
        auto *spacer = new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
        if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
            grid->addItem(spacer, grid->rowCount(), 0, 1, grid->columnCount());
        else if (auto *column = qobject_cast<QBoxLayout *>(box.layout()))
            column->addItem(spacer);
        else
            delete spacer;
    }

    static QMessageBox::Icon iconOf(MessageIcon icon)
    {
        switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
        }
        return QMessageBox::NoIcon;
    }
};

class EventLoopEnd : public ProgramEnd
{
public:
    void EndProgram() override
    {
        // Every window goes at once; the event loop ends when the handler returns.
        for (QWidget *window : QApplication::topLevelWidgets())
            window->hide();
        QCoreApplication::exit(0);
    }
};

} // namespace

Services desktopServices()
{
    Services services;
    services.clock = std::make_unique<LocalClock>();
    services.random = std::make_unique<RandomGenerator>(QRandomGenerator::system()->generate64());
    services.dialogs = std::make_unique<QtDialogs>();
    services.end = std::make_unique<EventLoopEnd>();
    return services;
}
