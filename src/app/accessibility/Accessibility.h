#pragma once

#include <QAccessible>
#include <QFrame>

class QWidget;

// The frame of a row of tool buttons, read as a toolbar.
class ToolBarFrame : public QFrame
{
    Q_OBJECT

public:
    using QFrame::QFrame;
};

// Gives a plain widget the role a screen reader should announce (a window
// as a frame, a row of buttons as a toolbar) in place of a nameless filler.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

// Labels and check boxes whose captions end in a space (they stand before
// a control) are named without it; group boxes by their own titles.
void trimAccessibleNames(QWidget *root);

// Tells a screen reader that the widget's name changed, so that it reads
// the new one out.
void announceNameChange(QWidget *widget);

// Makes the program's own widgets readable: the cards as tables, the call
// as text, the board and the calls as lists. Once, after the application.
void installAccessibleFactory();
