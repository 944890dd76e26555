#include "uitleg/reden.h"
