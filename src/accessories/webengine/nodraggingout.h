#pragma once

#include <QObject>
#include <QWebEngineScript>

class QWidget;

// Nothing is dragged out of the view, whatever the page's scripts do. The
// engine makes each drag a child of the view it starts from, writes a dragged
// image to a file of its own for whatever it is dropped on, then runs the drag.
// The moment anything but a widget is hung on the view, the engine's folder
// refuses to be written to until the events already waiting have run (see
// EngineFolder); the first of them cancels the drag, before the pointer can
// take it anywhere. This holds for images, links, text and any data a page
// sets, from the page and from every frame in it.
class DragRefuser : public QObject
{
public:
    explicit DragRefuser(QWidget *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// A second layer, in the page: a script for every page, run in every frame
// before any script of the page's and in a world of the program's own that the
// page cannot reach, cancels the start of every drag, so that an ordinary page
// does not even begin one. It also guards the frames of the page's own origin
// that the page fills itself (they load nothing, so the script is never run in
// them), and guards a document again whenever it changes, for a page that
// writes itself anew drops every listener it had. A page can still get a
// listener of its own in first; the DragRefuser does not depend on this one.
QWebEngineScript noDraggingOut();
