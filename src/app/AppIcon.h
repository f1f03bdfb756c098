#pragma once

#include <QIcon>

// Morvane's own emblem, at every size it is drawn in.
QIcon applicationIcon();
