#include "Fixtures.h"
