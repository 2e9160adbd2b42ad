#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

int32_t GetBuildNumber();

// "1.0 Build 19", with the word "Build" localized.
void GetVersionText(CString& out);

// "Vantrell Pellucine": also names the settings file.
void GetProductName(CString& out);

// "Vantrell Pellucine Version 1.0 Build 19", with "Version" and "Build"
// localized.
void GetFullVersionText(CString& out);
