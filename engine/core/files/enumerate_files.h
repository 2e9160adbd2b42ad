#pragma once

#include <cstdint>

class CFileSink;
class CSearchSpec;

// Lists what the search asks for into the sink: loose files under the data
// folder first (or under the search's folder as it stands with
// OPEN_NAME_UNCHANGED), then the mounted archives, so a loose file hides an
// archived one of the same name. Answers the sink's count.
uint32_t EnumerateFiles(CFileSink& sink, const CSearchSpec& search, uint32_t flags);

// The same into the caller's slots of stride bytes (names of stride - 1
// characters at most); the optional information array gets each size.
uint32_t EnumerateFilesIntoBuffer(const CSearchSpec& search, char* buffer, uint8_t* information, uint32_t stride,
                                  uint32_t maxCount, uint32_t flags);
