#pragma once

#include <QObject>

class QMdiArea;
class QMdiSubWindow;

// The keyboard rules of the frame's child windows. A window that becomes
// active gets the focus on its first control in tab order. A window without a
// border (the score panel) never keeps the activation, nor the focus. Ctrl+Tab
// and Ctrl+F6 (with Shift, backwards) move between the open windows that take
// the focus; Ctrl+F4 closes the active one as its close box does.
class ChildWindowKeys : public QObject
{
public:
    explicit ChildWindowKeys(QMdiArea *area);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void activated(QMdiSubWindow *window);
    // Activates the next (step 1) or previous (step -1) window that takes the focus.
    void activateNeighbour(int step);
    bool isInFrame(QObject *object) const;

    QMdiArea *m_area;
};

// Whether the child window takes the keyboard focus: every one with a border.
bool takesFocus(const QMdiSubWindow *window);

// When the given window is the active one, activates the window the user
// worked in last other than it, or none: for a window that goes out of sight,
// or that does not take the focus.
void passActivationOn(QMdiSubWindow *from);

// Puts the focus on the window's first control in tab order (the window itself
// when none can take it), unless the focus is inside the window already.
void focusFirstControl(QMdiSubWindow *window);
