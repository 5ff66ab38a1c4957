// Writing a redraw's picture and operation log to files.
#pragma once

#include <string>

#include "render/recording_canvas.h"

// The 500 × 500 picture square as a PNG; false if it could not be written.
bool WritePicturePng(const Canvas& canvas, const std::string& path);

// One canvas operation per line; false if it could not be written.
bool WriteOps(const RecordingCanvas& canvas, const std::string& path);
