#include "engine/core/files/stdio_stream.h"

#include <vector>

#include "engine/core/files/data_files.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/settings/paths.h"
#include "engine/core/program/profiler.h"
#include "engine/core/strings/ref_string.h"
#include "engine/platform/file_system.h"

static CProfileSection s_FopenSection("fopen");

CStdioStream::CStdioStream()
    : m_pFile(nullptr)
    , m_WriteFailed(false)
{
}

CStdioStream::~CStdioStream()
{
    // The other stream kinds hold no file here and close themselves.
    if (m_pFile)
        CStdioStream::Close();
}

// A write that cannot create its file because the folder is missing may make
// the folders and try once more.
static FILE* OpenForWriting(const CString& path, const char* mode, uint32_t flags)
{
    FILE* file = OpenSystemFile(path.GetText(), mode);
    if (file || !(flags & OPEN_CREATE_FOLDERS) || FileExists(path.GetText()))
        return file;
    CString folder(path);
    TruncateToFolder(folder);
    CreateFolderPath(folder.GetText());
    return OpenSystemFile(path.GetText(), mode);
}

bool CStdioStream::Open(const char* name, uint32_t flags)
{
    CProfileScope scope(s_FopenSection);
    CStdioStream::Close();
    CString path = GetDataPath(name, flags);

    bool writing = (flags & OPEN_WRITE) != 0;
    if (writing && (flags & OPEN_CLEAR_READ_ONLY) && GetFileAttributeReadOnly(path.GetText()))
        SetFileReadOnly(path.GetText(), false);

    if (writing && (flags & (OPEN_CREATE | OPEN_APPEND)))
    {
        m_pFile = OpenForWriting(path, (flags & OPEN_APPEND) ? "ab" : "wb", flags);
    }
    else
    {
        const char* mode = writing ? "r+b" : "rb";
        if (!(flags & OPEN_NAME_UNCHANGED))
            m_pFile = OpenSystemFile(path.GetText(), mode);
        if (!m_pFile)
            m_pFile = OpenSystemFile(name, mode);
    }
    return m_pFile != nullptr;
}

uint32_t CStdioStream::Write(const void* bytes, uint32_t n)
{
    if (!m_pFile || n == 0)
        return 0;
    uint32_t count = static_cast<uint32_t>(std::fwrite(bytes, 1, n, m_pFile));
    if (count != n)
        m_WriteFailed = true;
    return count;
}

uint32_t CStdioStream::Read(void* bytes, uint32_t n)
{
    if (!m_pFile || n == 0)
        return 0;
    return static_cast<uint32_t>(std::fread(bytes, 1, n, m_pFile));
}

bool CStdioStream::SeekRelative(int32_t n)
{
    return m_pFile && std::fseek(m_pFile, n, SEEK_CUR) == 0;
}

bool CStdioStream::Seek(uint32_t position)
{
    return m_pFile && std::fseek(m_pFile, static_cast<long>(position), SEEK_SET) == 0;
}

int32_t CStdioStream::Tell()
{
    return m_pFile ? static_cast<int32_t>(std::ftell(m_pFile)) : -1;
}

uint32_t CStdioStream::GetSize()
{
    if (!m_pFile)
        return 0;
    long position = std::ftell(m_pFile);
    std::fseek(m_pFile, 0, SEEK_END);
    long size = std::ftell(m_pFile);
    std::fseek(m_pFile, position, SEEK_SET);
    return size < 0 ? 0 : static_cast<uint32_t>(size);
}

void CStdioStream::SetSize(uint32_t n)
{
    if (!m_pFile)
        return;
    std::fflush(m_pFile);
    SetOpenFileSize(m_pFile, n);
}

bool CStdioStream::Close()
{
    if (!m_pFile)
        return true;
    // Buffered bytes meet a full disk only here.
    bool stored = std::fclose(m_pFile) == 0 && !m_WriteFailed;
    m_pFile = nullptr;
    m_WriteFailed = false;
    return stored;
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

bool CStdioStream::ReadLine(CString& line)
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
