// A core file that includes a header of a _ui library.
#include "fixtureui.h"
