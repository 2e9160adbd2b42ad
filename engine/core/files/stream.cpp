#include "engine/core/files/stream.h"

#include <vector>

#include "engine/core/strings/ref_string.h"

uint8_t* CStream::Map(uint32_t)
{
    return nullptr;
}

uint8_t* CStream::DetachBuffer()
{
    return nullptr;
}

bool CStream::ReadLineWide(CString&)
{
    return false;
}

// A line end found at index end of the bytes read: CR LF and LF CR are one
// line end, so are CR CR LF and CR LF LF; CR CR and LF LF are two.
static uint32_t MeasureLineEnd(const std::vector<char>& bytes, uint32_t count, uint32_t end)
{
    char c = bytes[end];
    char d = end + 1 < count ? bytes[end + 1] : 0;
    char after = end + 2 < count ? bytes[end + 2] : 0;
    if (d != '\r' && d != '\n')
        return 1;
    if (c == '\r' && after == '\n')
        return 3;
    return d == c ? 1 : 2;
}

bool CStream::ReadLine(CString& line)
{
    line.Empty();
    int32_t start = Tell();
    if (start < 0)
        return false;
    uint32_t window = 80;
    std::vector<char> bytes;
    for (;;)
    {
        bytes.resize(window);
        uint32_t count = Read(bytes.data(), window - 1);
        bool reachedEnd = count < window - 1;
        // The bytes are searched as read: a NUL inside the line must not hide
        // its end.
        uint32_t end = 0;
        while (end < count && bytes[end] != '\r' && bytes[end] != '\n')
            end++;
        // A line end is classified only with the two bytes after it in hand,
        // or a CR LF split by the window would read as two line ends.
        if (end < count && (end + 2 < count || reachedEnd))
        {
            line.Assign(bytes.data(), end);
            Seek(start + end + MeasureLineEnd(bytes, count, end));
            return true;
        }
        if (end == count && reachedEnd)
        {
            if (count == 0)
            {
                Seek(start);
                return false;
            }
            line.Assign(bytes.data(), count);
            return true;
        }
        Seek(start);
        window *= 2;
    }
}
