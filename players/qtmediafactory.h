#pragma once

#include "runtime/mediafactory.h"

// Every player plays through Qt Multimedia.
class QtMediaFactory : public MediaFactory
{
public:
    std::unique_ptr<MediaBackend> createMediaBackend(MediaRole role) override;
};
