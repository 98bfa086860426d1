#pragma once

#include "handlersource.h"
#include "module1.h"
#include "services.h"
#include "windowname.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

class MDIForm1;
class Window;

// The running trainer: owns the services, the progress record, the frame and
// the child windows, which it creates on their first use. Every window reaches
// the others and the shared state through it; nothing else is global.
class Program
{
public:
    using WindowFactory = std::function<std::unique_ptr<Window>(Program &)>;

    explicit Program(Services services);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    void registerWindow(WindowName name, WindowFactory factory);
    bool isRegistered(WindowName name) const { return m_factories.contains(name); }

    // Loads the frame (its load handler runs first) and shows it maximized.
    void start();

    Module1 &record() { return m_record; }
    MDIForm1 &mainWindow() { return *m_mainWindow; }
    Window &window(WindowName name);
    template<class T> T &window() { return static_cast<T &>(window(T::Name)); }
    // The window if it has been used, else null.
    Window *existingWindow(WindowName name) const;

    float SecondsSinceMidnight() { return m_services.clock->SecondsSinceMidnight(); }
    void Reseed(float seed) { m_services.random->Reseed(seed); }
    float RandomUnit() { return m_services.random->RandomUnit(); }
    // The drills' one pattern of draw, IntPart(RandomUnit() x n) + 1: a Single
    // from 1 to n, each equally likely.
    Variant drawFrom1To(qint16 n);
    // The same draw after Reseed(SecondsSinceMidnight()), as the drills draw.
    Variant reseedAndDrawFrom1To(qint16 n);
    void ShowMessage(const QString &prompt, MessageIcon icon = MessageIcon::None);
    QString AskText(const QString &prompt);
    void EndProgram() { m_services.end->EndProgram(); }

    // Runs the handler that a control raised, unless a box is open and the rule
    // in Delivers() holds it back. A box that the handler opens is its window's.
    void runHandler(const HandlerSource &source, const std::function<void()> &handler);

private:
    Services m_services;
    Module1 m_record;
    std::map<WindowName, WindowFactory> m_factories;
    // Declared before the windows so that it outlives them.
    std::unique_ptr<MDIForm1> m_mainWindow;
    std::map<WindowName, std::unique_ptr<Window>> m_windows;
    std::vector<HandlerSource> m_running; // the handlers running, innermost last
    const Window *m_boxOpener = nullptr;  // whose handler opened the open box
    int m_openBoxes = 0;

    bool delivers(const HandlerSource &source) const;
    template<class Box> auto whileBoxIsOpen(Box &&box);
};
