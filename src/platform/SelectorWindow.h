#pragma once
// Opens the Visual Playlist Selector: creates it on first use, raises it when
// it is open. The widget implements it.
namespace velto {

class SelectorWindow {
public:
    virtual ~SelectorWindow() = default;
    virtual void ShowSelector() = 0;
};

} // namespace velto
