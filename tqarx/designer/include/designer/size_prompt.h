// Asks the user for the width (horizontal) or height of the selected controls in pixels.
#pragma once

// The module's text prompt, preset with 30 (width) or 18 (height). True on OK with a
// positive number typed; pixels then holds it.
bool promptForControlSize(bool horizontal, double& pixels);
