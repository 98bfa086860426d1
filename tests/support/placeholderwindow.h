#pragma once

#include "window.h"
#include "windowname.h"

class Program;

// A child window with one label and a field of its own, standing in for the
// real windows that a test does not build.
struct PlaceholderControls
{
    explicit PlaceholderControls(QWidget *client);
    class Label *Label1;
};

class PlaceholderWindow : public Form<PlaceholderControls>
{
    Q_OBJECT
public:
    PlaceholderWindow(Program &program, WindowDesign::Border border);

    int loads = 0; // how often Form_Load ran; survives Unload like any field

protected:
    void connectControls(PlaceholderControls &) override {}
    void Form_Load() override { ++loads; }
};

// Registers a placeholder under every window name that has no window yet.
void registerPlaceholders(Program &program);
