#pragma once

#include "print/Progress.h"

class QWidget;

// A window-modal progress dialog over the main window, with Cancel. While it
// shows, the main window takes no input.
class QtProgressFactory : public IProgressFactory
{
public:
    explicit QtProgressFactory(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    std::unique_ptr<IProgress> start(int totalPages, JobKind kind) override;

private:
    QWidget *m_parent;
};
