#pragma once
// The player's two elements are made at start, but GStreamer is loaded (its
// module mapped and started) only when the first medium opens.
#include "platform/MediaElement.h"

namespace velto {

class ModuleMediaElementFactory : public MediaElementFactory {
public:
    explicit ModuleMediaElementFactory(const char* module = "gstreamer") : module_(module) {}
    // An element that loads the GStreamer module at its first "open" and
    // passes everything on to the element made there. Without the module
    // each "open" fails, saying why.
    std::unique_ptr<MediaElement> Create(int index) override;

private:
    const char* module_;
};

} // namespace velto

// The module's entry: a new element, owned by the caller.
extern "C" velto::MediaElement* velto_media_element(int index);
