#define MINIAUDIO_IMPLEMENTATION
#include "miniaudio.h"
