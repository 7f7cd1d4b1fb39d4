#pragma once

// The program's version, in the one place that holds it: the About box, the
// "Version" setting, the version resources, the manifest and the names of
// the distribution's files read it from here. Plain preprocessor lines, so
// that the resource compiler, CMake and scripts can read them too.
#define NOVEDA_VERSION_MAJOR 3
#define NOVEDA_VERSION_MINOR 1
#define NOVEDA_VERSION_PATCH 0
#define NOVEDA_VERSION_TEXT "3.1.0"
