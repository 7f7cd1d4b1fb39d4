#pragma once

#include <windows.h>

#include <string>

// Hands `body` (cp1251) to the system's mail program as a new message in
// its own compose window, through Simple MAPI ("MAPI32.DLL"), the Unicode
// call where the system has it. `owner`'s windows are disabled meanwhile.
// False when mail is not set up, the library or its call is missing, or the
// call fails; the user's cancel and a failed logon are answers, not faults.
bool SendMailBody(HWND owner, const std::string& body);
