#include "evaluator/normalise.h"
