#pragma once

// Resource ids shared by noveda.rc and the code.
#define IDR_MAINFRAME 128
