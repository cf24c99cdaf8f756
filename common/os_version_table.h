#pragma once
// Maps a system's major.minor version to the family index and version code that setup
// and the panel compare against (family 4 is Windows 7).

struct OsVersionCodes {
    int family;
    int code;
};

OsVersionCodes OsVersionCodesFor(unsigned major, unsigned minor);
