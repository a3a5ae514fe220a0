#pragma once

// What the media and graphics stack reads from the environment as it starts,
// and so must be told before the application object exists. Both programs
// call this once, at the top of main(). A setting the user made already is
// never overridden.
namespace ProcessSettings {

enum class Platform {
    // Beside Wayland, X11 where an X server answers: the show's window can be
    // centred and kept off the taskbar there.
    PreferX11,
    // The desktop's own choice.
    Desktop,
    // No display at all: the editor's command line measures with the stage's
    // fonts but opens no window.
    Offscreen,
};

void setBeforeApplication(Platform platform);

} // namespace ProcessSettings
