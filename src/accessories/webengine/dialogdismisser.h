#pragma once

#include <QObject>

class QWidget;

// Keeps the engine's own dialog off the screen: the QColorDialog that the view
// opens, window-modal and as its own child, when a page's colour input asks for
// a colour (a click on the input, or Space or Enter on it). It is the only
// dialog the view still opens itself: the page's boxes, file choosers and
// password questions are answered by GuardedPage before the view would show
// one; any other dialog hung on the view later is treated alike. The dialog is
// cancelled at once, as though the user had closed it, so the page keeps the
// colour it had and no window appears or holds the program.
class DialogDismisser : public QObject
{
public:
    explicit DialogDismisser(QWidget *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_view;
};
