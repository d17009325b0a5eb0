#pragma once

#include "HResult.h"

namespace quorlane {

// COM initialisation of the user-interface thread. Qt needs no COM; this keeps
// the apartment's reference count so that start-up and shut-down keep their
// order and can be checked.
class ComApi {
public:
    virtual ~ComApi() = default;
    virtual HRESULT CoInitialize(void *reserved) = 0;
    virtual void CoUninitialize() = 0;
};

class ComApartment : public ComApi {
public:
    // S_OK for the first reference, S_FALSE for each further one.
    HRESULT CoInitialize(void *reserved) override;
    void CoUninitialize() override;
    int References() const { return references_; }

private:
    int references_ = 0;
};

} // namespace quorlane
