// The window module's entry point, the one symbol it exports (see window_start.h).
#include "app/window_start.h"

extern "C" __attribute__((visibility("default"))) int klaxoraRunWindow(int argc, char** argv)
{
    return klaxora::runWindow(argc, argv);
}
