#pragma once

#include <cstdint>

class CFile;
class CFrame;
class CString;

// How frames are stored besides their source images. In compressed
// storage (the default) every frame built from a source also keeps a
// ".Frame" file, from which caches are rebuilt; "/NoCompression" turns it
// off. "/NoJPEG" or an "Artist.txt" file keep image blocks lossless.
void SetCompressedStorageMode(bool on);
bool IsCompressedStorageMode();
void SetNoLossyFrameImages(bool on);
bool GetNoLossyFrameImages();
void SetForceLosslessFrameImages(bool on);
bool GetForceLosslessFrameImages();
void SetFrameJpegQuality(int32_t quality);
int32_t GetFrameJpegQuality();

// "Cache/<folder>/<name>.Frame".
void GetFrameFilePath(CString& out, const char* folder, const char* name);

// The object-file extension and source-image extensions of stand-alone
// frames.
const char* GetFrameCacheTextExtension();
const char* GetFrameSourceExtensions();
