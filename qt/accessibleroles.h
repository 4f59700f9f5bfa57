#pragma once

// What the launcher's own kinds of control are to assistive technology: the
// window a frame, panels and web views groups, the picture an image, a
// spoken notice a notification. Without this the toolkit calls each of them a
// plain filler.
void installAccessibleRoles();
