#pragma once

#include <QIcon>

// The toolbar's four images, drawn by the program itself.
QIcon newIcon();
QIcon openIcon();
QIcon saveIcon();
QIcon printIcon();
