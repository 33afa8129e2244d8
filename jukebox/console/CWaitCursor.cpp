#include "jukebox/console/CWaitCursor.h"

namespace brambletune {

int CWaitCursor::count_ = 0;

CWaitCursor::CWaitCursor(MousePointer& pointer) : pointer_(pointer) {
    ++count_;
    pointer_.ShowHourglass();
}

CWaitCursor::~CWaitCursor() {
    --count_;
    if (count_ == 0) pointer_.ShowDefault();
}

void CWaitCursor::Restore() const {
    if (count_ > 0) pointer_.ShowHourglass();
}

}  // namespace brambletune
