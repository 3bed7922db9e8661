// The GStreamer module's entry (built into libvelto-gstreamer.so only).
#include "platform/GstMediaElement.h"
#include "platform/MediaModule.h"

extern "C" __attribute__((visibility("default"))) velto::MediaElement*
velto_media_element(int index) {
    return new velto::GstMediaElement(index);
}
