#pragma once

#include <QObject>

class QWidget;

// Keeps the engine's own dialogs off the screen. The engine opens them on the
// view that shows the page: the colour chooser of a colour input, asked for by
// a click on the input or by Space or Enter on it, and any question of the
// engine's. Each is cancelled at once, as though the user had closed it, so
// the page keeps what it had and no window of the program's own appears.
class DialogDismisser : public QObject
{
public:
    explicit DialogDismisser(QWidget *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_view;
};
