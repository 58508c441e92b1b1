#pragma once
// Planted for the layer check's own test: the framework must not include the wizard.
#include "wizard/MyPropertySheet.h"
