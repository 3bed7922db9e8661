#pragma once
// Opens the Track Info window: creates it on first use, raises it when it is open.
namespace velto {

class InfoWindow {
public:
    virtual ~InfoWindow() = default;
    virtual void ShowInfo() = 0;
};

} // namespace velto
