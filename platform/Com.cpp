#include "Com.h"

namespace quorlane {

HRESULT ComApartment::CoInitialize(void *)
{
    return ++references_ == 1 ? kS_OK : kS_FALSE;
}

void ComApartment::CoUninitialize()
{
    if (references_ > 0)
        --references_;
}

} // namespace quorlane
