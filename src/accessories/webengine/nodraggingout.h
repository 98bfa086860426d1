#pragma once

#include <QObject>
#include <QWebEngineScript>

class QWidget;

// Nothing is dragged out of the view, whatever the page's scripts do. The
// engine makes each drag a child of the view it starts from, starts watching
// for the view's end, writes a dragged image to a file of its own for whatever
// it is dropped on, then runs the drag. Anything but a widget hung on the view
// is cancelled, if it is a drag, as soon as it runs, before the pointer can
// take it anywhere. When the view's end is watched just after a drag was hung
// on it, the engine's folder refuses to be written to until the events already
// waiting have run (see EngineFolder). This holds for images, links, text and
// any data a page sets, from the page and from every frame in it.
class DragRefuser : public QObject
{
public:
    explicit DragRefuser(QWidget *view);

    // To be called when something starts watching for the view's end.
    void viewEndWatched();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_view;
};

// A second layer, in the page: a script for every page, run in every frame
// before any script of the page's and in a world of the program's own that the
// page cannot reach, cancels the start of every drag, so that an ordinary page
// does not even begin one. It also guards the frames of the page's own origin
// that the page fills itself (they load nothing; Qt 6.4 runs the script in them
// too, an engine need not), and guards a document again whenever it changes,
// for a page that writes itself anew drops every listener it had. A page can
// still get a listener of its own in first; the DragRefuser does not depend on
// this one.
QWebEngineScript noDraggingOut();
