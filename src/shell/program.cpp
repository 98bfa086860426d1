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

Program::~Program()
{
    m_windows.clear();
    m_mainWindow.reset();
}

void Program::RegisterWindow(WindowName name, WindowFactory factory)
{
    m_factories[name] = std::move(factory);
}

void Program::Start()
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

Variant Program::DrawFrom1To(qint16 n)
{
    return Add(IntPart(Multiply(Single(RandomUnit()), Integer(n))), Integer(1));
}

template<class Box> auto Program::WhileBoxIsOpen(Box &&box)
{
    const Window *outerOpener = std::exchange(m_boxOpener, m_running);
    ++m_openBoxes;
    auto answer = box();
    --m_openBoxes;
    m_boxOpener = outerOpener;
    return answer;
}

void Program::ShowMessage(const QString &prompt, MessageIcon icon)
{
    WhileBoxIsOpen([&] {
        m_services.dialogs->ShowMessage(prompt, icon);
        return 0;
    });
}

QString Program::AskText(const QString &prompt)
{
    return WhileBoxIsOpen([&] { return m_services.dialogs->AskText(prompt); });
}

void Program::RunHandler(const Window *window, const std::function<void()> &handler)
{
    const Window *outer = std::exchange(m_running, window);
    handler();
    m_running = outer;
}

Window *Program::existingWindow(WindowName name) const
{
    const auto found = m_windows.find(name);
    return found == m_windows.end() ? nullptr : found->second.get();
}
