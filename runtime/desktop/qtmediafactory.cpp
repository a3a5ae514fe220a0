#include "runtime/desktop/qtmediafactory.h"

#include "runtime/qtmediabackend.h"

std::unique_ptr<MediaBackend> QtMediaFactory::createMediaBackend(MediaRole)
{
    return std::make_unique<QtMediaBackend>();
}
