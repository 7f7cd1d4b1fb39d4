#pragma once

#include "core/settings/app_settings.h"

#include <string_view>

// The first tool whose extension list names `key` ("cpp", or the document's
// key "cpp " with its trailing blank); none for an empty key.
const ToolEntry* FindTool(const std::vector<ToolEntry>& tools, std::string_view key);
