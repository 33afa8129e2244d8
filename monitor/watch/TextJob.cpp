#include "monitor/watch/TextJob.h"

namespace vigilon {

PagePlacer::Place PagePlacer::Next(int lineHeight) {
    if (top_ > 0 && top_ + lineHeight > pageHeight_) {
        ++page_;
        top_ = 0;
    }
    const Place place{page_, top_};
    top_ += lineHeight;
    return place;
}

}  // namespace vigilon
