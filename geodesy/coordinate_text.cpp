#include "geodesy/coordinate_text.h"
