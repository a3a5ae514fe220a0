#include "players/qtmediafactory.h"

#include "players/qtmediabackend.h"

std::unique_ptr<MediaBackend> QtMediaFactory::createMediaBackend(MediaRole)
{
    return std::make_unique<QtMediaBackend>();
}
