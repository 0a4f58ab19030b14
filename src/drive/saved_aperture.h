// The camera aperture that the drives' jump effects come back to. All drives
// share one record, so that overlapping jumps leave the camera with the
// aperture it had before the first of them.
#ifndef TARSEL_SAVED_APERTURE_H
#define TARSEL_SAVED_APERTURE_H

// The camera aperture to restore after a jump effect.
struct SavedAperture {
    double aperture = 0.0; // rad
    bool restored = true;  // the saved aperture is the one in force
};

// The record every drive is given (DriveParams::savedAperture).
extern SavedAperture savedAperture;

// A simulation run starts: the camera's aperture now is the one to restore.
void SaveRunAperture();

#endif
