#include "gui/awt_scene.h"

namespace velmora {

AWTComponent::~AWTComponent() {
    if (control)
        page.removeChild(control);
    DeleteObject(font);
}

} // namespace velmora
