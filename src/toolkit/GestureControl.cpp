#include "toolkit/GestureControl.h"
