#include "geodesy/point_list.h"
