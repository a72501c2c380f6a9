// The framework's extension classes.
#pragma once

#include "afxwin.h"
#include "framework/CBitmapButton.h"
