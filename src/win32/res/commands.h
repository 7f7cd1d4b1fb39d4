#pragma once

// The command ids live with the core, which handles most of them.
#include "../../core/app/command_ids.h"
