#pragma once

#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

// What a screen reader says for the controls, set where a window builds them,
// beside the design: a control's caption, text and geometry are never touched.

struct Spoken
{
    QWidget *control;
    // Empty keeps the control's own text as its name; a label whose text changes
    // while the user works keeps it, so that the change is announced.
    QString name;
    QString description = {};
};

// Gives each control its spoken name and description.
void speak(std::initializer_list<Spoken> controls);

// Ties a label to the control whose value it shows: the control is read as
// labelled by it.
void tieLabel(QLabel *label, QWidget *control);

// Reads a child window under the given name instead of its caption.
void speakWindowAs(QWidget *window, const QString &name);
