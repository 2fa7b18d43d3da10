#ifndef UTIL_UTILS_H
#define UTIL_UTILS_H

// The client's small utilities in one include: validators, paths beside the
// executable, the file version, processes and the start-with-Windows value.

#include "util/autostart.h"
#include "util/fileversion.h"
#include "util/paths.h"
#include "util/process.h"
#include "util/validators.h"

#endif
