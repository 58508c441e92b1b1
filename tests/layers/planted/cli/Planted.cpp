// The command line reaching into the wizard and the framework: the check must name both.
#include "framework/PropertySheet.h"
#include "wizard/PageIds.h"
