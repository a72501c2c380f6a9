#include "pages/PageOwner.h"

#include <afxwin.h>

namespace keldra::pages {

PageOwner* PageOwner::OfMainWindow() {
    return dynamic_cast<PageOwner*>(AfxGetMainWnd());
}

}  // namespace keldra::pages
