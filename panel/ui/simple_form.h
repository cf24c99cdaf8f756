#pragma once
// The simple-mode window: created with the others and shown by no flow of the panel. Its
// caption carries the program's version; shown, it loads the two device ID groups from the
// registry.
#include "device_id_mgr.h"
#include "form.h"

#include <memory>
#include <string>

class GroupBox;
class Image;

class TSimpleForm : public Form {
  public:
    // The registry keys of the two groups can be others for tests.
    explicit TSimpleForm(std::wstring usbGroupKey = kUsbDeviceIdGroupKey,
                         std::wstring hidGroupKey = kHidDeviceIdGroupKey);
    ~TSimpleForm() override;

    const CDeviceIdMgr& UsbDeviceIds() const { return m_UsbDeviceIdMgr; }
    const CDeviceIdMgr& HidDeviceIds() const { return m_HidDeviceIdMgr; }

  protected:
    void FormShow() override;
    void FormActivate() override;
    bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    std::wstring m_strUsbGroupKey;
    std::wstring m_strHidGroupKey;
    std::unique_ptr<GroupBox> EffectModeRadioGroup;
    Image* EffectImage = nullptr;
    CDeviceIdMgr m_UsbDeviceIdMgr;
    CDeviceIdMgr m_HidDeviceIdMgr;
};
