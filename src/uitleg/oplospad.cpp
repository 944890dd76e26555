#include "uitleg/oplospad.h"
