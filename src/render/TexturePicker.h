#pragma once
// The inspector's widget for a picture name: a combo of every picture of the texture atlas,
// showing a picture's first frame while its entry is hovered. A sprite's "source" is edited
// with it. Declared beside the sprite that names it; defined with the other inspector widgets in
// editor/TexturePicker.cpp, where the interface library is.
#include <string>

// Writes the picked picture's name into `value`; the label only tells widgets apart.
void TexturePicker(const std::string& label, std::string* value);
