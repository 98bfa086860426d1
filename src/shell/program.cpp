#include "program.h"

#include "mdiform1.h"
#include "valuerules.h"
#include "window.h"

#include <QtGlobal>

#include <utility>

Program::Program(Services services)
    : m_services(std::move(services)), m_mainWindow(std::make_unique<MDIForm1>(*this))
{
}

// The windows go before the frame they live in: the members are declared in that order.
Program::~Program() = default;

void Program::registerWindow(WindowName name, WindowFactory factory)
{
    m_factories[name] = std::move(factory);
}

void Program::start()
{
    m_mainWindow->Load();
    m_mainWindow->widget()->showMaximized();
}

Window &Program::window(WindowName name)
{
    auto found = m_windows.find(name);
    if (found != m_windows.end())
        return *found->second;
    const auto factory = m_factories.find(name);
    if (factory == m_factories.end())
        qFatal("No window is registered under the name %d", static_cast<int>(name));
    auto [inserted, _] = m_windows.emplace(name, factory->second(*this));
    return *inserted->second;
}

Variant Program::drawFrom1To(qint16 n)
{
    return Add(IntPart(Multiply(Single(RandomUnit()), Integer(n))), Integer(1));
}

Variant Program::reseedAndDrawFrom1To(qint16 n)
{
    Reseed(SecondsSinceMidnight());
    return drawFrom1To(n);
}

template<class Box> auto Program::whileBoxIsOpen(Box &&box)
{
    const Window *outerOpener =
        std::exchange(m_boxOpener, m_running.empty() ? nullptr : m_running.back().window);
    ++m_openBoxes;
    auto answer = box();
    --m_openBoxes;
    m_boxOpener = outerOpener;
    return answer;
}

void Program::ShowMessage(const QString &prompt, MessageIcon icon)
{
    whileBoxIsOpen([&] {
        m_services.dialogs->ShowMessage(prompt, icon);
        return 0;
    });
}

QString Program::AskText(const QString &prompt)
{
    return whileBoxIsOpen([&] { return m_services.dialogs->AskText(prompt); });
}

void Program::runHandler(const HandlerSource &source, const std::function<void()> &handler)
{
    if (!delivers(source))
        return;
    m_running.push_back(source);
    handler();
    m_running.pop_back();
}

// Qt goes on delivering timer ticks while a modal box is open, and a box may
// change what a control holds. While a box is open:
// - a control whose handler waits beneath the box raises nothing more: a
//   completion that opened the box takes effect once;
// - a window's ticks are dropped unless its handler opened the box: a tick of
//   another window could open a second box over the first;
// - except for windows that never open a box (the score panel): their ticks
//   always come, so the total and the finished run show within a second.
bool Program::delivers(const HandlerSource &source) const
{
    if (m_openBoxes == 0)
        return true;
    for (const HandlerSource &running : m_running)
        if (running.control == source.control)
            return false;
    return !source.isTick || source.window == m_boxOpener || !source.window->opensBoxes();
}

Window *Program::existingWindow(WindowName name) const
{
    const auto found = m_windows.find(name);
    return found == m_windows.end() ? nullptr : found->second.get();
}
