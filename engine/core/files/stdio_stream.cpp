#include "engine/core/files/stdio_stream.h"

#include "engine/core/files/loose_files.h"
#include "engine/core/settings/paths.h"
#include "engine/core/program/profiler.h"
#include "engine/core/strings/ref_string.h"
#include "engine/platform/file_system.h"

static CProfileSection s_FopenSection("fopen");

CStdioStream::CStdioStream()
    : m_pFile(nullptr)
    , m_WriteFailed(false)
    , m_WritePending(false)
{
}

CStdioStream::~CStdioStream()
{
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

bool CStdioStream::Open(const char* path, uint32_t flags)
{
    CProfileScope scope(s_FopenSection);
    CStdioStream::Close();
    CString pathText(path);

    bool writing = (flags & OPEN_WRITE) != 0;
    if (writing && (flags & OPEN_CLEAR_READ_ONLY) && GetFileAttributeReadOnly(path))
        SetFileReadOnly(path, false);

    if (writing && (flags & (OPEN_CREATE | OPEN_APPEND)))
        m_pFile = OpenForWriting(pathText, (flags & OPEN_APPEND) ? "ab" : "wb", flags);
    else
        m_pFile = OpenSystemFile(path, writing ? "r+b" : "rb");
    return m_pFile != nullptr;
}

uint32_t CStdioStream::Write(const void* bytes, uint32_t n)
{
    if (!m_pFile || n == 0)
        return 0;
    uint32_t count = static_cast<uint32_t>(std::fwrite(bytes, 1, n, m_pFile));
    m_WritePending = true;
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

uint32_t CStdioStream::ReadAt(uint32_t position, void* bytes, uint32_t n)
{
    if (!m_pFile || n == 0)
        return 0;
    // A positional read goes past the C runtime's buffer: bytes written and
    // still buffered must reach the file first. Only a writer has any, and
    // a file being written is never read from two threads.
    if (m_WritePending)
    {
        std::fflush(m_pFile);
        m_WritePending = false;
    }
    return static_cast<uint32_t>(ReadOpenFileAt(m_pFile, position, bytes, n));
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
    m_WritePending = false;
    return stored;
}
