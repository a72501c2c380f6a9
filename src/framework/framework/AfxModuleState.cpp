#include "framework/AfxModuleState.h"

#include "framework/CWnd.h"

AfxModuleState& AfxGetModuleState() {
    static AfxModuleState state;
    return state;
}
