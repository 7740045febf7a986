#include "settings/cwiat.h"
