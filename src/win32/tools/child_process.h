#pragma once

#include "core/tools/output_channel.h"

#include <memory>
#include <string>

// Starts `commandLine` (cp1251; its first word names the program) with its
// standard output and error read into `channel` by a thread of its own, and
// the NUL device as its input, so a tool that reads input ends instead of
// waiting unseen. False when the pipe, the child or the thread could not be
// made; the editor never waits for the child.
bool StartCaptured(const std::string& commandLine, std::shared_ptr<OutputChannel> channel);

// Starts `commandLine` on its own, as the user would; whether it started.
bool StartDetached(const std::string& commandLine);
