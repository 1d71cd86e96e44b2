#include "angles/angle_units.h"
