// The program's window layouts, made known to the platform at start as a resource script
// would make them part of the program.
#pragma once

namespace keldra::app {

void RegisterDialogLayouts();

}  // namespace keldra::app
