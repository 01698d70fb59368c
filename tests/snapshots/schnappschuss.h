#pragma once
// One frame as text: what the recording device was asked to draw, pass by pass, and the sounds and
// music changes of the frame. One line per draw, per text and per sound; a state is printed only
// where it changes from the draw before, so a reference stays small and a diff shows what moved.
//
//   pass hud
//     blend 1 5/6  atest 1 8 >=  z 1/1  light 0
//   quad Texturen[201] interface.png  10,20 64x64
//   text f1 35,76 "Der Brunnen ist leer"
//   sound effect 6 vol 0 Click.wav
//
// Positions are pixels for draws in the 2D projection, world units for 3D ones, rounded to a tenth
// (whole numbers printed without it) so that float noise between builds cannot change a line.
#include <string>
#include <vector>

#include "platform/gfx_recording.h"

// With passes named, only their lines are written (and the sounds): a scene about one part of the
// town frame keeps its reference to that part.
std::string Schnappschuss(const gfx::RecordingDevice& geraet, const std::vector<std::string>& toene,
                          const std::vector<std::string>& paesse = {});
// The same for calls kept apart from the device (one frame out of many); the device names the handles.
std::string SchnappschussDerAufrufe(const gfx::RecordingDevice& geraet, const std::vector<gfx::Call>& aufrufe,
                                    const std::vector<std::string>& toene, const std::vector<std::string>& paesse = {});

// The first difference of two snapshots with a few lines of context on both sides; empty when equal.
std::string SchnappschussUnterschied(const std::string& erwartet, const std::string& ist);
