// The class and interface identifiers, for projects that compile no C.
#include "OrvaneSuite_i.c"
