// The framework's own state, one object for the program: its application object, and
// which framework object belongs to which window (with the temporary wrappers and the
// messages in progress). Made on first use and kept to the end of the process, since the
// application object and other framework objects may be globals that end after main.
#pragma once

#include "framework/AfxWindowMap.h"

class CWinApp;

struct AfxModuleState {
    CWinApp* application = nullptr;
    AfxWindowMap windows;
};

AfxModuleState& AfxGetModuleState();
