// What assistive technology learns of a flat button, which the program paints itself: a push button named
// by its caption without accelerator marks, described by its hint, with its enabled and pressed states,
// and pressed by its press action as by its accelerator.
#pragma once

namespace klaxora {

// Makes flat buttons known to Qt's accessibility; repeated calls change nothing.
void installFlatButtonAccessibility();

} // namespace klaxora
