#pragma once

#include <QString>

class QAbstractButton;
class QMdiSubWindow;
class QWidget;

// What the measurements read and do inside the program under measurement,
// by Qt's public API only: figures of the process, and the user's actions.

// Processor time of the whole process (all threads) so far, in seconds.
double processorSeconds();
// Monotonic time in seconds.
double now();
// Resident memory in KiB of the process, and of all its descendants together.
long residentKiB();
long descendantsResidentKiB();

// Writes "name value" to the file named by THORNAX_PROBE_OUT (or standard output).
void report(const char *name, double value);

// Chooses the menu item with this caption (without its '&') in the program's
// main window; gives the sub-window that is active afterwards.
QMdiSubWindow *chooseMenuItem(const QString &caption);
// The visible button with this caption inside the widget, or null.
QAbstractButton *buttonWithCaption(QWidget *within, const QString &caption);
