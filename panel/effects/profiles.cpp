#include "effects/profiles.h"

bool Profiles::LoadLastProfile() {
    return false;
}

void Profiles::SaveLastProfile() {}
