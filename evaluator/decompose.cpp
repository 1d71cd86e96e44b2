#include "evaluator/decompose.h"
