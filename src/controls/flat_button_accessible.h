// What assistive technology learns of a flat button, which the program paints itself: a push button named
// by its caption without accelerator marks, described by its hint, with its enabled and pressed states.
#pragma once

namespace klaxora {

// Makes flat buttons known to Qt's accessibility; repeated calls change nothing.
void installFlatButtonAccessibility();

} // namespace klaxora
