#include "engine/trig.h"
