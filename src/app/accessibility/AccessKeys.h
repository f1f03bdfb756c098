#pragma once

#include <QKeySequence>
#include <QShortcut>
#include <QStringList>

class QAbstractButton;
class QMenuBar;
class QWidget;

// An access key for a control that has no caption of its own to underline
// (the entry box): Alt and the letter put the focus in it, as a label's
// buddy key would.
class FocusShortcut : public QShortcut
{
    Q_OBJECT

public:
    FocusShortcut(const QKeySequence &keys, QWidget *target);
    QWidget *target() const { return m_target; }

private:
    QWidget *m_target;
};

// F10 opens the window's first menu, as in the other desktop programs.
void addMenuBarKey(QWidget *window, QMenuBar *menuBar);

// A button that takes the focus keeps Space and Enter for itself, even where
// the window gives those keys to a command of its own.
void keepActivationKeys(QAbstractButton *button);

// The access keys one window offers at the same time that lead to more than
// one place: its menu bar's titles, its buttons, check boxes, group boxes and
// labels with a buddy, and its focus shortcuts; then, menu by menu, the items
// of each menu. One line per clash: "F: &First | Pages &for:".
QStringList accessKeyClashes(const QWidget &window);

// The window's controls that take the focus and no access key leads to,
// by object name (or class name when unnamed).
QStringList controlsWithoutAccessKey(const QWidget &window);
