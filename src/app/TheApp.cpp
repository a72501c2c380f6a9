// keldra-config's one application object, which the framework runs once the program has
// started. Programs that run the editor in-process (tests, keldra-headless, benchmarks)
// make their own.
#include "app/CConfigApp.h"

CConfigApp theApp;
