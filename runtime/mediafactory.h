// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/mediabackend.h"

#include <memory>

// Which of the window's two players a media backend serves.
enum class MediaRole { Video, Music };

// Makes what decodes and plays the window's media.
class MediaFactory
{
public:
    virtual ~MediaFactory() = default;

    virtual std::unique_ptr<MediaBackend> createMediaBackend(MediaRole role) = 0;
};
