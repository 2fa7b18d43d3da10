#include "net/serviceroot.h"

#ifndef VELORA_SERVICE_ROOT
#error "VELORA_SERVICE_ROOT must name the service root"
#endif

const char* GetServiceRoot()
{
    return VELORA_SERVICE_ROOT;
}
