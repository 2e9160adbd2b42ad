#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"
#include "engine/core/files/stream.h"

// The file object through which every data file is read and written. It owns
// one stream and adds CR LF text lines with tab indentation, UTF-16 text
// (files that begin with FF FE), typed little-endian values, whole-file
// loading (OPEN_WHOLE_FILE) and zlib-compressed files (OPEN_COMPRESSED).
//
// Without a stream every operation writes nothing and answers 0, false or -1.
class CFile
{
public:
    // Receives 0.0 first, the fraction done before each piece, 1.0 at the end.
    typedef void (*CopyProgress)(float fraction);

    CFile();
    virtual ~CFile();

    bool Open(const char* name, uint32_t flags);
    // Takes ownership of the stream; false for none.
    bool Attach(CStream* stream, uint32_t flags);
    // False when the data did not all reach the file: a compressed file whose
    // real file could not be written, or a write the disk refused.
    virtual bool Close();

    // Binary output; the values are little-endian.
    uint32_t Write(const void* bytes, uint32_t n);
    uint32_t WriteByte(uint8_t value);
    CFile& WriteInt(int32_t value);
    CFile& WriteInt64(int64_t value);
    CFile& WriteChar(char value);
    // A 4-byte length, then the bytes without terminator.
    CFile& WriteCountedString(const char* text);

    // Binary input. A value cut short by the end of the data reads as the
    // bytes that were there followed by zeros.
    uint32_t Read(void* bytes, uint32_t n);
    // Reads at a position without moving the file's own (CStream::ReadAt).
    uint32_t ReadAt(uint32_t position, void* bytes, uint32_t n);
    CFile& ReadInt(int32_t& value);
    CFile& ReadInt64(int64_t& value);
    CFile& ReadChar(char& value);
    // Frees the block in text (std::free) and reads a counted string into a
    // new terminated block. A stored length beyond the bytes left is damage:
    // text becomes none and the answer is false.
    bool ReadCountedString(char*& text);
    // Reads a counted string into the caller's buffer of bufferSize bytes.
    // A length that does not fit with its terminator, or runs past the data,
    // reads nothing more and answers false.
    bool ReadCountedStringInto(char* buffer, uint32_t bufferSize);

    // Text output: 16-bit characters in a UTF-16 file, else 8-bit ones.
    void WriteString(const CString& text);
    void WriteText(const char* text);
    // As WriteString, but an 8-bit file gets characters above 255 as a
    // "UNICODE-HEX<" escape.
    void WriteEscaped(const CString& text);
    // The text, CR LF, then one tab per indentation level (while indentation
    // is on). Each answers the number of lines written since the open.
    uint32_t WriteLine(const CString& text);
    uint32_t WriteLine(const char* text);
    uint32_t WriteTextLine(const CString& text);
    // Raises the level and writes the tab the current line already lacks.
    void Indent();
    // Lowers the level and steps back over the last tab written, so that a
    // closing line lines up with its opening one.
    void Unindent();
    void SetIndentation(bool on) { m_IndentationOn = on; }
    bool GetIndentation() const { return m_IndentationOn; }

    // Text input. In a UTF-16 file a line whose characters all fit in 8 bits
    // comes back as 8-bit text.
    bool ReadLine(CString& line);
    // Skips lines made only of tabs, spaces, CR and LF.
    bool ReadNonBlankLine(CString& line);
    // False at the end, or when the line and its terminator need more than
    // size bytes (the line is consumed all the same).
    bool ReadLineToBuffer(char* buffer, uint32_t size);

    bool Seek(uint32_t position);
    bool SeekRelative(int32_t n);
    int32_t Tell();
    uint32_t GetSize();
    // Bytes between the position and the end: the most a length stored in
    // the data may claim.
    uint32_t GetBytesLeft();
    void SetSize(uint32_t n);
    // Hands over the memory block of a whole-file or memory stream (freed
    // with std::free); none for any other stream.
    uint8_t* GetBuffer();
    // The next n bytes in place, for readers that take pixel data without a
    // copy; none when the stream is not in memory or fewer bytes are left.
    uint8_t* Map(uint32_t n);
    // Set by the owner of a whole-file reader: frame and sequence readers
    // then map their pixel data instead of copying it.
    void SetMapInPlace(bool on) { m_MapInPlace = on; }
    bool GetMapInPlace() const { return m_MapInPlace; }
    // Bytes handed out by Map since the open: above 0, the reader keeps the
    // block (GetBuffer) so that the mapped data stays valid.
    uint32_t GetMappedTotal() const { return m_MappedTotal; }
    uint32_t GetLineCount() const { return m_LineCount; }
    bool IsUtf16() const { return m_Utf16; }
    bool IsOpen() const { return m_pStream != nullptr; }
    const CString& GetFileName() const { return m_FileName; }

    // Copies length bytes from position from down to position to (to must
    // not lie after from), front to back, in pieces of 64 KB.
    bool CopyBlock(uint32_t to, uint32_t from, uint32_t length);
    // Rewinds both and copies this whole file into the other; false when a
    // piece could not be read or written in full (a full disk).
    bool CopyTo(CFile& other, CopyProgress progress);
    // Equal sizes and equal bytes; both are rewound.
    bool SameContents(CFile& other);

    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

private:
    bool StoreCompressed();
    void TakeStream(CStream* stream, uint32_t flags);
    void DetectUtf16();
    void WriteLineEnd();
    void WriteUnit(char16_t unit);

    CStream* m_pStream;
    uint32_t m_IndentLevel;
    bool m_IndentationOn;
    uint32_t m_Flags;
    bool m_Utf16;
    bool m_MapInPlace;
    uint32_t m_MappedTotal;
    CString m_FileName;
    // Where a compressed write file is stored at Close.
    CString m_RealFileName;
    uint32_t m_LineCount;
};

// Copies a data file: the source opened with its flags plus OPEN_READ, the
// destination with its flags plus OPEN_WRITE | OPEN_CREATE.
bool CopyDataFile(const char* fromName, uint32_t fromFlags, const char* toName, uint32_t toFlags,
                  CFile::CopyProgress progress);

// The zip format's CRC-32 of the whole stream, read from its start.
uint32_t ComputeStreamCrc32(CStream* stream);
