#pragma once
// The setup program's main window: a borderless window with the package's background picture
// behind the wizard, or fully see-through when the configuration names no picture. Closing it
// ends the program.
#include "background_rules.h"
#include "form.h"
#include "image.h"

#include <string>

class TMainForm;

class TBackgroundForm : public Form {
  public:
    // programFolder: the folder of the running setup program (with its backslash) unless given.
    explicit TBackgroundForm(const std::wstring& programFolder = std::wstring());
    void SetWizard(TMainForm* wizard) { wizard_ = wizard; }

    const BackgroundGeometry& Geometry() const { return geometry_; }
    // The wizard places this window at the screen's top-left corner with its computed size.
    void PlaceAtTopLeft();

    const std::wstring& ResolutionFolder() const { return resolutionFolder_; }
    // The picture file shown, empty when none is (the see-through variant or a missing file).
    std::wstring PicturePath() const { return Image_.GetPicture().Source(); }
    bool SeeThrough() const { return seeThrough_; }

  protected:
    void FormShow() override;
    std::wstring InspectExtra() const override;

  private:
    std::wstring programFolder_;
    std::wstring resolutionFolder_;
    BackgroundGeometry geometry_;
    Image& Image_;
    TMainForm* wizard_ = nullptr;
    bool shown_ = false;
    bool seeThrough_ = false;
};
