#include "cTmpRenderTarget.h"

#include "cRenderTargetManager.h"

cTmpRenderTarget::~cTmpRenderTarget() {
    if (target_ && manager_)
        manager_->release(*this);
}

void cTmpRenderTarget::fill(eRTType type, cRenderTargetManager* manager, iRenderTarget* target) {
    type_ = type;
    manager_ = manager;
    target_ = target;
}
