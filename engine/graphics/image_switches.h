#pragma once

// Start-up switches of the image readers and writers. JPEG pictures are
// off where the machine's artist copy says so ("Artist.txt" beside the
// data) or on "/NoJPEG"; compressed storage is off on "/NoCompression".
void SetJpegDisabled(bool disabled);
bool IsJpegDisabled();
void SetCompressedStorage(bool on);
bool IsCompressedStorageOn();
