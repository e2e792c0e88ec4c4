#include "app/SyncApp.h"
#include "framework/gui/Resources.h"
#include "res/ProgramResources.h"

namespace {
CSyncApp theApp;
}

int main(int argc, char** argv)
{
    AfxSetResources(ProgramResources());
    return AfxWinMain(argc, argv);
}
