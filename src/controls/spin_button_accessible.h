// What assistive technology learns of a spin button, which has no value of its own to show: a spin box
// named by its owner (its accessible name) and described by its hint, stepped by its increase and
// decrease actions as by its halves.
#pragma once

namespace klaxora {

// Makes spin buttons known to Qt's accessibility; repeated calls change nothing.
void installSpinButtonAccessibility();

} // namespace klaxora
