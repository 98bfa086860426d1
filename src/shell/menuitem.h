#pragma once

#include <QAction>
#include <QPointer>

#include <functional>

// A menu item whose check mark belongs to the program, not to the user: choosing
// a checked item keeps its mark and runs the item's handler, as a menu in the
// frame's design does. Exists while the main window is loaded.
class MenuItem
{
public:
    MenuItem() = default;
    void attach(QAction *action, std::function<void()> onClick);

    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    QAction *action() const { return m_action; }

private:
    QPointer<QAction> m_action;
    bool m_checked = false;
};
