#include "app/Startup.h"

#include "app/Globals.h"
#include "platform/Process.h"
#include "platform/Toolkit.h"

std::int32_t runProgram()
{
    initializeGlobals();
    platform::registerAtNormalEnd(destroyGlobals);
    platform::Window mainWindow("MainWindow", "Quillery1.0  By Tamberlo", 1126, 660);
    mainWindow.show();
    platform::runMessageLoop();
    return 0;
}
