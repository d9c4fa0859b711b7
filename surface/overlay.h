#pragma once
// Something a page draws over its back buffer just before showing it (the fade of a page
// transition is one).

namespace velmora {

class Overlay {
public:
    virtual ~Overlay() = default;
    virtual void apply() = 0;
};

} // namespace velmora
