#pragma once

#include "webview.h"

#include <QLabel>

// A short text in the page view's place, for when no page can be shown.
class NoticeView : public QLabel, public WebView
{
public:
    NoticeView(const QString &text, QWidget *parent) : QLabel(text, parent)
    {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setMargin(12);
    }
    QWidget *widget() override { return this; }
    void Navigate(const QString &) override {}
};
