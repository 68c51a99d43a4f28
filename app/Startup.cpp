#include "app/Startup.h"

#include "app/Globals.h"
#include "platform/Process.h"
#include "ui/MainWindow.h"

std::int32_t runProgram()
{
    initializeGlobals();
    platform::registerAtNormalEnd(destroyGlobals);
    {
        MainWindow mainWindow;
        mainWindow.show();
        platform::runMessageLoop();
    }
    return 0;
}
