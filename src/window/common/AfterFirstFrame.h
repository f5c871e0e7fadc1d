#pragma once

#include <functional>

class QWidget;

// Runs a task once the widget has painted for the first time, so that work
// the first frame does not show (tool tips, screen-reader names) does not
// hold it back. The task runs right after that paint, in the next turn of the
// event loop; it never runs if the widget is destroyed first.
void RunAfterFirstFrame(QWidget* widget, std::function<void()> task);
