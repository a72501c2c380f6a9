// GetSystemMetrics for the few sizes the standard controls ask about.
#pragma once

#include "platform/user/UserTypes.h"

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3

int GetSystemMetrics(int index);
