#include "players/processsettings.h"

#include "players/qtmediabackend.h"
#include "runtime/timeline.h"

#include <QDir>
#include <QStringList>

#include <alsa/asoundlib.h>

namespace {
void setUnlessUserDid(const char *name, const QByteArray &value)
{
    if (!qEnvironmentVariableIsSet(name))
        qputenv(name, value);
}

// Debian 12's Qt 6.4 carries both media backends, and its FFmpeg one crashes
// where there is no sound device: there GStreamer it is. Newer releases may
// come without Qt's GStreamer backend, or with one that no longer loads;
// there Qt's own default serves.
void chooseMediaBackend()
{
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")
        && QtMediaBackend::backendLoads(QStringLiteral("gstreamer")))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    const QString name = QtMediaBackend::backendName();
    Timeline::mark(QStringLiteral("media backend ")
                   + (name.isEmpty() ? QStringLiteral("default") : name));
}

// GStreamer ranks its FFmpeg-based MP3 decoder first; loading it drags in the
// whole of FFmpeg's codec libraries, which holds the music up by a few hundred
// milliseconds. The mpg123 decoder is small and decodes the same streams. The
// user's own rank settings, read after ours, still win.
void preferLightDecoders()
{
    QByteArray ranks = QByteArrayLiteral("mpg123audiodec:MAX");
    const QByteArray own = qgetenv("GST_PLUGIN_FEATURE_RANK");
    if (!own.isEmpty())
        ranks += ',' + own;
    qputenv("GST_PLUGIN_FEATURE_RANK", ranks);
}

// Qt's GStreamer backend watches for cameras as it loads, and GStreamer's
// Vulkan plugin answers by opening every Vulkan driver installed; Mesa's,
// emulated on the processor, maps LLVM: 55 MB before a note of music plays.
// Neither Qt's video surface nor GStreamer's decoders of these releases draw
// or decode through Vulkan, so the drivers are left out, unless the user
// chose some.
void leaveVulkanDriversOut()
{
    for (const char *own : { "VK_LOADER_DRIVERS_SELECT", "VK_LOADER_DRIVERS_DISABLE",
                             "VK_DRIVER_FILES", "VK_ICD_FILENAMES" })
        if (qEnvironmentVariableIsSet(own))
            return;
    qputenv("VK_LOADER_DRIVERS_DISABLE", "*");
}

// Qt's FFmpeg backend, as it loads, opens a device of every kind of video
// hardware it knows, for decoding and for encoding, to learn which work: on a
// desktop that maps the Vulkan and VA-API drivers and, through Mesa's Vulkan
// device emulated on the processor, LLVM, before a note of music plays. The
// show never encodes, and only a film decodes video: with the devices named
// nothing is probed, and VA-API, the device desktops decode video with, is
// opened when a film asks for it.
void skipHardwareProbing()
{
    setUnlessUserDid("QT_FFMPEG_ENCODING_HW_DEVICE_TYPES", ",");
    setUnlessUserDid("QT_FFMPEG_DECODING_HW_DEVICE_TYPES", "vaapi");
}

// Without a graphics device OpenGL is emulated on the processor, and the video
// surface drawing through it costs twice the processor time of Qt's own
// raster drawing, and the emulator 70 MB of memory. There, the window system
// is used without OpenGL.
void avoidEmulatedOpenGl()
{
    if (!qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        return;
    const QStringList devices
            = QDir(QStringLiteral("/dev/dri"))
                      .entryList({ QStringLiteral("card*"), QStringLiteral("renderD*") },
                                 QDir::System | QDir::Files);
    if (devices.isEmpty())
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}

// Without a sound server the audio sinks that GStreamer tries in turn
// (ALSA's, OpenAL's) print their failures. The editor's command line probes
// media without playing them and is read like a compiler's: there they keep
// their messages to themselves, unless the user asked OpenAL for its.
void silentAlsa(const char *, int, const char *, int, const char *, ...) { }

void quietAudioSinks()
{
    snd_lib_error_set_handler(silentAlsa);
    setUnlessUserDid("ALSOFT_LOGLEVEL", "0");
}

void choosePlatform(ProcessSettings::Platform platform)
{
    switch (platform) {
    case ProcessSettings::Platform::PreferX11:
        // Should that X server not answer, Wayland it is.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "xcb;wayland");
        break;
    case ProcessSettings::Platform::Desktop:
        break;
    case ProcessSettings::Platform::Offscreen:
        // Not the user's to choose: no window is opened.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        quietAudioSinks();
        break;
    }
}
} // namespace

namespace ProcessSettings {

void setBeforeApplication(Platform platform)
{
    chooseMediaBackend();
    if (QtMediaBackend::backendName() == QLatin1String("gstreamer")) {
        preferLightDecoders();
        leaveVulkanDriversOut();
    } else {
        skipHardwareProbing();
    }
    avoidEmulatedOpenGl();
    choosePlatform(platform);
}

} // namespace ProcessSettings
