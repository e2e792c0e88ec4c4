#include <curl/curl.h>

#include "framework/gui/WinApp.h"

// The network layer is started once, before any other thread exists, and
// released with the process.
bool AfxSocketInit()
{
    return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
}
