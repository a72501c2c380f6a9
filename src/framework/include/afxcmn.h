// The framework's common-control classes.
#pragma once

#include "afxwin.h"
#include "framework/CSliderCtrl.h"
