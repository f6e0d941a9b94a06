#include "app/CCorvexApp.h"

bool CCorvexApp::InitInstance() {
    if (!platform_.ClaimSingleInstance(kInstanceName))
        return false;
    if (runMainWindow_)
        runMainWindow_(platform_);
    return true;
}
