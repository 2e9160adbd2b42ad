#pragma once

#include <cstdint>

#include "engine/core/lists/object_file_name_hooks.h"

class CClassInfo;
class CObject;
class CObjectStream;

// Loads an object from its text file: the first line names the class (an
// unknown or abstract class is fatal), the object is created, defaulted and
// read. The out pointer, when given, receives the object before it is read,
// so code running during the read (a library asked for the same item) finds
// it. With resave set, a file whose bytes differ from what the program would
// write now is brought up to date. Null when the file does not open or does
// not read; the object is then deleted.
CObject* LoadObjectFromFile(const char* fileName, uint32_t flags, bool resave, CObject** out);

// Reads into an existing object; the file's class line must name the
// object's class or an ancestor. A missing file defaults the object and
// answers false.
bool ReadObjectFromFile(CObject* object, const char* fileName, uint32_t flags);
bool ReadObjectFromStream(CObject* object, CObjectStream& stream);
// For files the player's progress lives in: read whole, plain or as one
// compressed block, and never ending the program. False, with no report
// shown, for a file that does not open or whose data would have raised a
// fatal report; the object is then half read and the caller drops it.
bool ReadObjectFromFileRefusing(CObject* object, const char* fileName, uint32_t flags);

// Writes the object's text form, but only when it differs from the file's
// bytes, so an unchanged object leaves the file and its time alone. Objects
// whose save flags ask for OPEN_COMPRESSED are stored compressed and always
// rewritten. A loose file is written beside its target and moved over it
// once complete: a failed save answers false and leaves the old file as it
// was.
bool SaveObjectToFile(CObject* object, const char* fileName, uint32_t flags);

// The object's text form in a new block the caller frees with std::free.
uint8_t* WriteObjectToMemory(CObject* object, uint32_t& size);
// Text from outside (the clipboard is shared with other programs) may name
// an unknown or abstract class: both answer null then.
CObject* CreateObjectFromText(const uint8_t* bytes, uint32_t size);
const CClassInfo* GetClassOfText(const uint8_t* bytes, uint32_t size);

// Through the file-name hooks: false (SaveObject) or true (CanSaveObject)
// when no hook knows the object.
bool SaveObject(CObject* object);
bool CanSaveObject(CObject* object);
