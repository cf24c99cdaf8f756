#pragma once
// The device library's entry points the panel calls, in the order it binds them. The
// stand-in library counts its injected failures by the same numbers.
enum DeviceLibraryEntry {
    eSetActive_Device,
    eAudioCommand,
    eSetVirtual7ch1_OnOff,
    eSetVirtual7ch1,
    eConfigEQ_ById,
    eConfig3D_ById,
    eSetEQ_OnOff_ById,
    eIsEQ_Enable_ById,
    eSet3D_OnOff_ById,
    eIs3D_Enable_ById,
    eSetEnc_Parameters,
    eRead_Register,
    eWrite_Register,
    eRead_I2C_ById,
    eSetRGB_Mode,
    eSetRGB_Color,
    eSetRGB_SingleColor,
    eSetRGB_Brightness,
    eSetRGB_Step,
    eUsbHidSlave_SetRGB_Mode_Ex,
    eUsbHidSlave_SetRGB_Color_Ex,
    eUsbHidSlave_SetRGB_SingleColor_Ex,
    eUsbHidSlave_SetRGB_Brightness_Ex,
    eUsbHidSlave_SetRGB_Step_Ex,
    kDeviceLibraryEntryCount
};
