#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

// Preloaded into a program under measurement (the trainer or the anchor), it
// watches the program's paint events through Qt's public API and, once the
// first frame is painted, runs the measurement named by THORNAX_PROBE. The
// program itself is not changed and offers no option for any of this.
class Probe : public QObject
{
public:
    using Match = std::function<bool(QWidget *)>;
    using Then = std::function<void()>;

    static Probe &instance();

    // Runs then once, after the first paint of a widget that match accepts.
    void whenPainted(Match match, Then then);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Waiter
    {
        Match match;
        Then then;
    };
    std::vector<Waiter> m_waiters;
};

// The measurements, each started once the program's first frame is painted.
void measureDrills();
void measureBrowser();
void measureTyping();
