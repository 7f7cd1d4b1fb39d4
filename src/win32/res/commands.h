#pragma once

// The command ids live with the core, which handles most of them.
#include "../../core/settings/command_ids.h"
