#pragma once
// True when the extension driver's control interface can be opened (it is closed again at
// once; nothing is sent).
bool ExtensionInterfaceOpens();
