#pragma once
#include "editor/main_window.h"
#include "image/image_map.h"

namespace image {

// What a write changes in the window before the image is built, visible to
// the user: an access code of fewer than two characters becomes the default
// "5j", and every name is filled up to four characters with "x".
void prepareForWrite(editor::MainWindow& w);

// The image of the window's settings. Spare bits and bytes, and the bytes
// after a text's terminator, are 0. A two-entry list stored as one bit is
// on only with entry 1 selected. A value that has no byte form (nothing
// selected in a list stored as a whole byte, a number that is not a whole
// number or out of range, a text longer than its room) raises
// platform::Error naming the setting; nothing is half-built then.
Image encode(const editor::MainWindow& w);

// The setting key of a field of the image map.
std::string settingKey(const Field& f);

}  // namespace image
