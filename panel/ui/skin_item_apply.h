#pragma once
// How one skin item reaches one picture control, and the names the skin menu gives.
#include "ui/skin_settings.h"

#include <string>

class Image;

// Hides the control for an empty file name, else shows it with the picture of folder + file
// (a picture that cannot be loaded is reported and the old one kept); sets the geometry the
// item gives; sizes the control to its picture when the item gives neither width nor height.
void ApplySkinItemTo(const SkinItem& item, Image& image, const std::wstring& folder);

// The skin name of a menu caption: each "&" is dropped and the character after it kept, so
// "&&" gives "&"; at most 127 characters.
std::wstring SkinNameFromCaption(const std::wstring& caption);

// The resolution folder for the screen, or empty when the skin is missing from it.
std::wstring ChooseResolutionFolder(const std::wstring& skinRoot, const std::wstring& skinName,
                                    int screenWidth, int screenHeight);
