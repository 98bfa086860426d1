#pragma once

#include <QWebEngineScript>

// Nothing is dragged out of a page: the engine writes an image dragged out to a
// file, for whatever it is dropped on. A script for every page, run in every
// frame before any script of the page's and in a world of the program's own
// that the page cannot reach, cancels the start of every drag. It also guards
// the frames of the page's own origin that the page fills itself (they load
// nothing, so the script is never run in them), and guards a document again
// whenever it changes, for a page that writes itself anew drops every listener
// it had.
QWebEngineScript noDraggingOut();
