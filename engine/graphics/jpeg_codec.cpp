// libjpeg glue.
//
// libjpeg reports errors through a callback that must not return; it
// longjmps back to a setjmp in the one function that drives the library.
// Nothing with a destructor lives in those functions' frames, nothing is
// thrown through the library, and what they allocate is held in plain
// pointers freed on both the normal and the error path.
#include "engine/graphics/jpeg_codec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <jpeglib.h>
#include <jerror.h>

#include "engine/blit/blit_normal.h"
#include "engine/core/files/file.h"
#include "engine/core/program/error_report.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_pixel_limit.h"

namespace {

uint64_t s_ImagePixelLimit = uint64_t{1} << 24;

constexpr uint32_t BLOCK_BYTES = 4096;
constexpr int32_t MAX_SCANS = 256;

struct ErrorManager
{
    jpeg_error_mgr base;
    jmp_buf jump;
};

[[noreturn]] void JpegErrorExit(j_common_ptr info)
{
    longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Only the first warning of an image reaches here (libjpeg counts them).
void ShowJpegWarning(j_common_ptr info)
{
    char text[JMSG_LENGTH_MAX];
    info->err->format_message(info, text);
    ShowSystemMessageBox("JPEG Error", text);
}

void SetUpErrors(ErrorManager& errors)
{
    jpeg_std_error(&errors.base);
    errors.base.error_exit = JpegErrorExit;
    errors.base.output_message = ShowJpegWarning;
}

struct Source
{
    jpeg_source_mgr base;
    CFile* file;
    bool started;
    JOCTET block[BLOCK_BYTES];
};

void InitSource(j_decompress_ptr)
{
}

boolean FillInputBuffer(j_decompress_ptr info)
{
    Source* source = reinterpret_cast<Source*>(info->src);
    uint32_t count = source->file->Read(source->block, BLOCK_BYTES);
    if (count == 0)
    {
        if (!source->started)
            ERREXIT(info, JERR_INPUT_EMPTY);
        // A truncated image still decodes: warn and end it.
        WARNMS(info, JWRN_JPEG_EOF);
        source->block[0] = 0xFF;
        source->block[1] = JPEG_EOI;
        count = 2;
    }
    source->started = true;
    source->base.next_input_byte = source->block;
    source->base.bytes_in_buffer = count;
    return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count)
{
    Source* source = reinterpret_cast<Source*>(info->src);
    while (count > static_cast<long>(source->base.bytes_in_buffer))
    {
        count -= static_cast<long>(source->base.bytes_in_buffer);
        FillInputBuffer(info);
    }
    if (count > 0)
    {
        source->base.next_input_byte += count;
        source->base.bytes_in_buffer -= static_cast<size_t>(count);
    }
}

void TermSource(j_decompress_ptr)
{
}

void SetUpSource(Source& source, CFile& file)
{
    source.base.init_source = InitSource;
    source.base.fill_input_buffer = FillInputBuffer;
    source.base.skip_input_data = SkipInputData;
    source.base.resync_to_restart = jpeg_resync_to_restart;
    source.base.term_source = TermSource;
    source.base.next_input_byte = nullptr;
    source.base.bytes_in_buffer = 0;
    source.file = &file;
    source.started = false;
}

// Progressive images may hold any number of scans, each a pass over the
// whole image: a few bytes can cost minutes.
void LimitScans(j_common_ptr info)
{
    j_decompress_ptr decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > MAX_SCANS)
        ERREXIT(info, JERR_NOT_COMPILED);
}

struct Destination
{
    jpeg_destination_mgr base;
    CFile* file;
    JOCTET block[BLOCK_BYTES];
};

void InitDestination(j_compress_ptr info)
{
    Destination* destination = reinterpret_cast<Destination*>(info->dest);
    destination->base.next_output_byte = destination->block;
    destination->base.free_in_buffer = BLOCK_BYTES;
}

boolean EmptyOutputBuffer(j_compress_ptr info)
{
    Destination* destination = reinterpret_cast<Destination*>(info->dest);
    if (destination->file->Write(destination->block, BLOCK_BYTES) != BLOCK_BYTES)
        ERREXIT(info, JERR_FILE_WRITE);
    InitDestination(info);
    return TRUE;
}

void TermDestination(j_compress_ptr info)
{
    Destination* destination = reinterpret_cast<Destination*>(info->dest);
    const uint32_t count = BLOCK_BYTES - static_cast<uint32_t>(destination->base.free_in_buffer);
    if (destination->file->Write(destination->block, count) != count)
        ERREXIT(info, JERR_FILE_WRITE);
}

} // namespace

uint64_t GetImagePixelLimit()
{
    return s_ImagePixelLimit;
}

void SetImagePixelLimit(uint64_t pixels)
{
    s_ImagePixelLimit = pixels;
}

uint8_t* DecodeJpeg(CFile& file, int32_t& width, int32_t& height)
{
    width = 0;
    height = 0;
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    Source* source = static_cast<Source*>(std::malloc(sizeof(Source)));
    if (source == nullptr)
        return nullptr;
    uint8_t* volatile pixels = nullptr;
    SetUpErrors(errors);
    info.err = &errors.base;
    if (setjmp(errors.jump))
    {
        jpeg_destroy_decompress(&info);
        FreePixelBlock(pixels);
        std::free(source);
        width = 0;
        height = 0;
        return nullptr;
    }
    jpeg_create_decompress(&info);
    SetUpSource(*source, file);
    info.src = &source->base;
    progress.progress_monitor = LimitScans;
    info.progress = &progress;
    jpeg_read_header(&info, TRUE);
    if ((info.num_components != 1 && info.num_components != 3) ||
        !IsWithinImagePixelLimit(info.image_width, info.image_height))
        ERREXIT(&info, JERR_CONVERSION_NOTIMPL);
    info.out_color_space = info.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    const uint32_t outWidth = info.output_width;
    const size_t rowBytes = size_t{outWidth} * 3;
    pixels = AllocatePixelBlock(rowBytes * info.output_height);
    if (pixels == nullptr)
        ERREXIT(&info, JERR_OUT_OF_MEMORY);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               outWidth * static_cast<uint32_t>(info.output_components), 1);
    while (info.output_scanline < info.output_height)
    {
        jpeg_read_scanlines(&info, row, 1);
        uint8_t* out = pixels + rowBytes * (info.output_scanline - 1);
        const JSAMPLE* in = row[0];
        for (uint32_t x = 0; x < outWidth; x++, out += 3)
        {
            if (info.output_components == 1)
                out[0] = out[1] = out[2] = in[x];
            else
            {
                out[0] = in[x * 3 + 2];
                out[1] = in[x * 3 + 1];
                out[2] = in[x * 3];
            }
        }
    }
    width = static_cast<int32_t>(outWidth);
    height = static_cast<int32_t>(info.output_height);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::free(source);
    return pixels;
}

bool ReadJpegSize(CFile& file, int32_t& width, int32_t& height)
{
    width = 0;
    height = 0;
    jpeg_decompress_struct info;
    ErrorManager errors;
    Source* source = static_cast<Source*>(std::malloc(sizeof(Source)));
    if (source == nullptr)
        return false;
    SetUpErrors(errors);
    info.err = &errors.base;
    if (setjmp(errors.jump))
    {
        jpeg_destroy_decompress(&info);
        std::free(source);
        return false;
    }
    jpeg_create_decompress(&info);
    SetUpSource(*source, file);
    info.src = &source->base;
    jpeg_read_header(&info, TRUE);
    width = static_cast<int32_t>(info.image_width);
    height = static_cast<int32_t>(info.image_height);
    jpeg_destroy_decompress(&info);
    std::free(source);
    return true;
}

bool DecodeJpegIntoFrame(CFrame& frame, CFile& file)
{
    int32_t width, height;
    uint8_t* pixels = DecodeJpeg(file, width, height);
    if (pixels == nullptr)
        return false;
    frame.FreePixels();
    frame.SetPixelData(pixels, nullptr);
    frame.SetSize(static_cast<uint32_t>(width), static_cast<uint32_t>(height));
    frame.BuildRowTable(width, true);
    frame.SetFormat(24);
    return true;
}

bool EncodeJpeg(CFile& file, const uint8_t* pixels, int32_t width, int32_t height, bool colour, int32_t quality)
{
    if (pixels == nullptr || width <= 0 || height <= 0)
        return false;
    const size_t count = size_t(width) * size_t(height);
    uint8_t* volatile grey = nullptr;
    if (!colour)
    {
        grey = static_cast<uint8_t*>(std::malloc(count));
        if (grey == nullptr)
            return false;
        for (size_t i = 0; i < count; i++)
            grey[i] =
                static_cast<uint8_t>(0.299 * pixels[i * 3] + 0.587 * pixels[i * 3 + 1] + 0.114 * pixels[i * 3 + 2]);
    }
    Destination* destination = static_cast<Destination*>(std::malloc(sizeof(Destination)));
    if (destination == nullptr)
    {
        std::free(grey);
        return false;
    }
    jpeg_compress_struct info;
    ErrorManager errors;
    SetUpErrors(errors);
    info.err = &errors.base;
    if (setjmp(errors.jump))
    {
        jpeg_destroy_compress(&info);
        std::free(grey);
        std::free(destination);
        return false;
    }
    jpeg_create_compress(&info);
    destination->base.init_destination = InitDestination;
    destination->base.empty_output_buffer = EmptyOutputBuffer;
    destination->base.term_destination = TermDestination;
    destination->file = &file;
    info.dest = &destination->base;
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = colour ? 3 : 1;
    info.in_color_space = colour ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const uint8_t* plane = colour ? pixels : grey;
    const size_t rowBytes = size_t(width) * (colour ? 3 : 1);
    while (info.next_scanline < info.image_height)
    {
        JSAMPROW row = const_cast<JSAMPROW>(plane + rowBytes * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::free(grey);
    std::free(destination);
    return true;
}

bool EncodeJpegExternal(CFrame& frame, CFile& file, int32_t quality, bool fallback)
{
    if (!fallback || frame.GetPixels() == nullptr)
        return false;
    const int32_t width = frame.GetWidth(), height = frame.GetHeight();
    CFrame copy;
    copy.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24);
    if (copy.GetPixels() == nullptr)
        return false;
    CRect bounds;
    frame.GetBounds(bounds);
    CRect target{0, 0, width, height};
    copy.Blit(&frame, bounds, target, &GetBlitNormal());
    uint8_t* pixels = copy.GetPixels();
    for (size_t i = 0; i < size_t(width) * size_t(height); i++)
        std::swap(pixels[i * 3], pixels[i * 3 + 2]);
    return EncodeJpeg(file, pixels, width, height, true, quality);
}

bool SaveFrameAsJpeg(CFrame& frame, const char* path, int32_t quality, uint32_t flags, bool fallback)
{
    CFile file;
    if (!file.Open(path, flags))
        return false;
    const bool encoded = EncodeJpegExternal(frame, file, quality, fallback);
    return file.Close() && encoded;
}

bool CFrame::LoadJPEG(const char* path, uint32_t flags)
{
    CFile file;
    if (!file.Open(path, flags | OPEN_READ))
        return false;
    return DecodeJpegIntoFrame(*this, file);
}
