#include "geodesy/projection.h"
