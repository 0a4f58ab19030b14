#include "drive/saved_aperture.h"

#include "Orbitersdk.h"

SavedAperture savedAperture;

void SaveRunAperture() {
    savedAperture.aperture = oapiCameraAperture();
    savedAperture.restored = true;
}
