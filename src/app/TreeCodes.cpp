#include "TreeCodes.h"
