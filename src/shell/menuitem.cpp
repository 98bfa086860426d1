#include "menuitem.h"

void MenuItem::attach(QAction *action, std::function<void()> onClick)
{
    m_action = action;
    m_checked = false;
    QObject::connect(action, &QAction::triggered, action, [this, onClick = std::move(onClick)] {
        // Qt toggles a checkable action before it reports the click: undo that.
        SetChecked(m_checked);
        onClick();
    });
}

void MenuItem::SetChecked(bool checked)
{
    m_checked = checked;
    if (!m_action)
        return;
    m_action->setCheckable(checked);
    m_action->setChecked(checked);
}

bool MenuItem::Enabled() const
{
    return m_action && m_action->isEnabled();
}

void MenuItem::SetEnabled(bool enabled)
{
    if (m_action)
        m_action->setEnabled(enabled);
}
