#pragma once
// The inspector's widget for a picture name: a combo of every picture of the texture atlas,
// showing a picture's first frame while its entry is hovered. A sprite's "source" is edited
// with it.
#include <string>

// Writes the picked picture's name into `value`; the label only tells widgets apart.
void TexturePicker(const std::string& label, std::string* value);
