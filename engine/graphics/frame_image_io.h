#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"
#include "engine/object/object.h"

class CFrame;
class CImageFilterChain;

// A handler of one image file format, bound to one file (folder, name and
// extension). The base class handles JPEG files; CTGAFileIO handles TGA.
// Handlers are entered in a registry by extension, through which frames
// and sequences find their source image by folder and name. Only the TGA
// handler is entered (on first use of the registry); JPEG data is read and
// written through the JPEG functions by the callers that deal with it.
class CFrameImageIO : public CObject
{
    VP_DECLARE_CLASS(CFrameImageIO)
public:
    CFrameImageIO();
    ~CFrameImageIO() override;

    virtual bool Write(CFrame& frame, const char* path, uint32_t flags);
    virtual bool ReservedQuery() { return false; }
    virtual const char* GetExtension() const;
    // Whether the file should be replaced by the form this handler writes.
    virtual bool NeedsRewrite(const char* path, uint32_t flags);
    // Reads the file's bytes into the frame at the depth given (where the
    // frame has no reusable pixels); answers the image's width, 0 when the
    // bytes are refused.
    virtual int32_t Read(CFrame& frame, const uint8_t* bytes, uint32_t size, const char* path, int32_t bitDepth);
    // The depth of the stored pixels, 0 when the bytes are refused.
    virtual int32_t GetDataBitDepth(const uint8_t* bytes, uint32_t size);

    // The registry. Entries are not owned.
    static int32_t Register(CFrameImageIO* handler);
    static int32_t GetHandlerCount();
    static const char* GetHandlerExtension(int32_t index);
    // A new handler for the one image file of the name in the folder (or
    // beside the program without one), null when there is none. Two files
    // of the name with different registered extensions are fatal.
    static CFrameImageIO* CheckDuplicateNames(const char* folder, const char* name, uint32_t flags);
    // A new handler of the registered extension bound to folder/name +
    // extension, null for an unregistered extension; no file is touched.
    static CFrameImageIO* FindAndOpen(const char* folder, const char* name, const char* extension);

    // Loads the file into the frame and applies the chain (the default
    // frame chain when null). An uncompressed TGA is first rewritten in its
    // run-length form. True when the frame has pixels afterwards.
    bool LoadFrame(CFrame& frame, CImageFilterChain* chain, uint32_t flags);
    bool WriteFrame(CFrame& frame, uint32_t flags);

    const CString& GetPath() const { return m_Path; }
    void SetPath(const char* path) { m_Path = path; }

private:
    CString m_Path;
};

// The path of a name with an extension, in a folder or not.
CString MakeImagePath(const char* folder, const char* name, const char* extension);
