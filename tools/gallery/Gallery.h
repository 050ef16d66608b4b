#pragma once

class QWidget;

// Each widget fills its own section of the gallery: it places its controls
// at fixed positions on the section, as the game's windows do, and gives the
// section its size. Add the function here and a line to kSections in main.cpp.
namespace gallery {

void OvalBtnSection(QWidget* section);
void ShadowLblSection(QWidget* section);
void NumSpinSection(QWidget* section);

} // namespace gallery
